#include "app/CReferenceDlg.h"

#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace orvelan {

namespace {

// Clears the selection whenever the field gets the focus, so the citation never shows selected.
class CitationField : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QPlainTextEdit::focusInEvent(event);
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        setTextCursor(cursor);
        ensureCursorVisible();
    }
};

} // namespace

QString CReferenceDlg::citation() {
    return QStringLiteral(
        "ORVELAN synthetic cancer incidence data set, version " ORVELAN_VERSION ". "
        "Cases by cancer site (252 sites and groupings), sex and 19 age groups, with the "
        "person-years at risk, for 229 populations. Generated deterministically with the "
        "ORVELAN build tools; distributed with the ORVELAN program.\r\n\r\n"
        "The figures are synthetic: they have the layout and the plausible magnitudes of "
        "registry data but describe no real population. Cite this data set as:\r\n\r\n"
        "The ORVELAN developers. ORVELAN synthetic cancer incidence data, 229 populations. "
        "Version " ORVELAN_VERSION ", " ORVELAN_BUILD_DATE ". See docs/data.md.");
}

CReferenceDlg::CReferenceDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("referenceDialog"));
    setWindowTitle(QStringLiteral("Recommended reference"));
    auto* layout = new QVBoxLayout(this);
    m_field = new CitationField(this);
    m_field->setObjectName(QStringLiteral("citationField"));
    m_field->setPlainText(citation());
    m_field->setReadOnly(true);
    QPalette colours = m_field->palette();
    colours.setColor(QPalette::Base, Qt::white);
    m_field->setPalette(colours);
    m_field->setMinimumSize(460, 170);
    layout->addWidget(m_field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace orvelan
