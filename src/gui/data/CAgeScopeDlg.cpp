#include "gui/data/CAgeScopeDlg.h"

#include "core/data/AgeScope.h"
#include "core/data/Codes.h"
#include "core/data/Validation.h"
#include "graphics/CoreText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <algorithm>

namespace orvelan {

namespace {

// The up-down half of a field: arrows only, its value is the position in the label list.
class UpDown : public QSpinBox {
  public:
    explicit UpDown(QWidget* parent) : QSpinBox(parent) {
        lineEdit()->setVisible(false);
        setFixedWidth(sizeHint().height());
    }
};

QSpinBox* makeUpDown(QWidget* parent, const QString& name) {
    auto* spin = new UpDown(parent);
    spin->setObjectName(name);
    return spin;
}

} // namespace

CAgeScopeDlg::CAgeScopeDlg(int from, int to, int lastAgeGroup, QWidget* parent)
    : QDialog(parent), m_from(from), m_to(to), m_last(std::clamp(lastAgeGroup, 0, kTopAgeGroup)) {
    setObjectName(QStringLiteral("ageScopeDialog"));
    setWindowTitle(QStringLiteral("Age scope"));
    m_fromField = new QLineEdit(this);
    m_fromField->setObjectName(QStringLiteral("fromField"));
    m_toField = new QLineEdit(this);
    m_toField->setObjectName(QStringLiteral("toField"));
    for (QLineEdit* field : {m_fromField, m_toField}) {
        field->setMaxLength(3);
        field->installEventFilter(this);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    }
    m_fromSpin = makeUpDown(this, QStringLiteral("fromSpin"));
    m_toSpin = makeUpDown(this, QStringLiteral("toSpin"));
    m_fromSpin->setRange(0, ageScopeFromMaximum(m_last));
    m_toSpin->setRange(0, m_last);
    connect(m_fromSpin, &QSpinBox::valueChanged, this, &CAgeScopeDlg::showFrom);
    connect(m_toSpin, &QSpinBox::valueChanged, this, &CAgeScopeDlg::showTo);
    m_fromSpin->setValue(std::clamp(from, 0, ageScopeFromMaximum(m_last)));
    m_toSpin->setValue(std::clamp(std::min(to, m_last), 0, m_last));
    showFrom(m_fromSpin->value());
    showTo(m_toSpin->value());

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("From:"), this), 0, 0);
    layout->addWidget(m_fromField, 0, 1);
    layout->addWidget(m_fromSpin, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("to:"), this), 0, 3);
    layout->addWidget(m_toField, 0, 4);
    layout->addWidget(m_toSpin, 0, 5);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAgeScopeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 1, 0, 1, 6);
}

void CAgeScopeDlg::showFrom(int position) {
    m_fromField->setText(fromCoreText(ageScopeFromText(position)));
}

void CAgeScopeDlg::showTo(int position) {
    m_toField->setText(fromCoreText(ageScopeToText(position, m_last)));
}

bool CAgeScopeDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == m_fromField || watched == m_toField)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            QSpinBox* spin = watched == m_fromField ? m_fromSpin : m_toSpin;
            spin->stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CAgeScopeDlg::accept() {
    const auto range =
        readAgeScope(m_fromField->text().toStdString(), m_toField->text().toStdString(), m_last);
    if (!range) {
        QMessageBox::warning(this, QStringLiteral("ORVELAN"), fromCoreText(kInvalidAgeRange));
        return;
    }
    m_from = range->first;
    m_to = range->second;
    QDialog::accept();
}

} // namespace orvelan
