#include "gui/app/CAboutDlg.h"

#include "gui/framework/CHelpPages.h"
#include "gui/framework/CommandIds.h"
#include "gui/widgets/CStaticLink.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace orvelan {

namespace {

// The caption band: the program's name in bold "Tahoma" on a coloured ground.
class CaptionBand : public QWidget {
  public:
    explicit CaptionBand(QWidget* parent) : QWidget(parent) { setFixedHeight(56); }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 64, 128));
        QFont caption(QStringLiteral("Tahoma"));
        caption.setPixelSize(28);
        caption.setBold(true);
        painter.setFont(caption);
        painter.setPen(Qt::white);
        painter.drawText(rect().adjusted(16, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("ORVELAN"));
    }
};

} // namespace

QString CAboutDlg::versionLine() { return QStringLiteral("ORVELAN Version " ORVELAN_VERSION); }

QString CAboutDlg::builtLine() { return QStringLiteral("Built " ORVELAN_BUILD_DATE); }

QString CAboutDlg::copyrightLine() {
    return QStringLiteral("Copyright \u00a9 2026 The ORVELAN developers");
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About ORVELAN"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new CaptionBand(this));
    const auto addLine = [this, layout](const QString& name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        layout->addWidget(label);
    };
    addLine(QStringLiteral("versionLabel"), versionLine());
    addLine(QStringLiteral("copyrightLabel"), copyrightLine());
    addLine(QStringLiteral("builtLabel"), builtLine());
    addLine(QStringLiteral("descriptionLabel"),
            QStringLiteral("Cancer incidence in 229 populations: tables, graphs and analyses."));
    auto* link = new CStaticLink(QStringLiteral("ORVELAN user guide"), this);
    link->setObjectName(QStringLiteral("homeLink"));
    link->setTarget(CHelpPages::pageName(cmd::kWebUserGuide));
    // The about box is modal: it gives way to the page, which may open in the program's own
    // help window, and any failure is said in the owner's name.
    link->setHandler([this](const QString& page) {
        QWidget* owner = parentWidget();
        accept();
        CHelpPages::show(owner, page);
    });
    layout->addWidget(link);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace orvelan
