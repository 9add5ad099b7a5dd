#include "gui/analysis/CStatsWiz5.h"

#include "core/analysis/AnalysisFile.h"
#include "core/analysis/CurveTable.h"
#include "core/analysis/StatsWizardTexts.h"
#include "core/analysis/UserCurveChecks.h"
#include "core/app/RememberedBlocks.h"
#include "graphics/CoreText.h"
#include "gui/analysis/CReferenceBox.h"
#include "gui/analysis/CStatsWizard.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CMessages.h"

#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

constexpr int kCasesLength = 6;
constexpr int kPersonYearsLength = 10;
const QString kAnalysisFilter = QStringLiteral("STA (ORVELAN analysis file) (*.STA *.sta)");

QString rowLabel(int group) {
    return group == kTopAgeGroup ? QStringLiteral("85+")
                                 : QString::number(group * 5) + QLatin1Char('-');
}

QLineEdit* numberField(QWidget* parent, const QString& name, int maxLength, bool readOnly) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->setReadOnly(readOnly);
    if (readOnly) {
        // Shown, not typed in: the background of the page says so.
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        field->setPalette(palette);
        field->setFocusPolicy(Qt::NoFocus);
    }
    if (maxLength > 0) {
        field->setMaxLength(maxLength);
    }
    return field;
}

std::size_t at(int group) { return static_cast<std::size_t>(group); }

} // namespace

CStatsWiz5::CStatsWiz5(CStatsWizard& wizard) : CStatsPage(wizard, QStringLiteral("userCurve")) {
    setFinalPage(true);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->addWidget(
        new QLabel(QStringLiteral("Age group        Cases       /     Person-Years"), this), 0, 0,
        1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Rates (per 100,000)"), this), 0, 3);
    for (int group = 0; group < kKnownAgeGroupCount; ++group) {
        const QString n = QString::number(group);
        m_cases[at(group)] = numberField(this, QStringLiteral("cases") + n, kCasesLength, false);
        m_personYears[at(group)] =
            numberField(this, QStringLiteral("personYears") + n, kPersonYearsLength, false);
        m_rates[at(group)] = numberField(this, QStringLiteral("rate") + n, 0, true);
        grid->addWidget(new QLabel(rowLabel(group), this), group + 1, 0);
        grid->addWidget(m_cases[at(group)], group + 1, 1);
        grid->addWidget(m_personYears[at(group)], group + 1, 2);
        grid->addWidget(m_rates[at(group)], group + 1, 3);
        connect(m_cases[at(group)], &QLineEdit::textEdited, this,
                [this, group](const QString& text) { casesEdited(group, text); });
        connect(m_personYears[at(group)], &QLineEdit::textEdited, this,
                [this, group](const QString& text) { personYearsEdited(group, text); });
    }

    m_total = new QPlainTextEdit(this);
    m_total->setObjectName(QStringLiteral("total"));
    m_total->setReadOnly(true);
    m_total->setMaximumHeight(m_total->fontMetrics().lineSpacing() * 4 + 12);
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setMaxLength(static_cast<int>(UserCurve::kMaxTitleLength));
    m_reference = new CReferenceBox(this);
    auto* use = new QPushButton(QStringLiteral("Use..."), this);
    use->setObjectName(QStringLiteral("useFile"));
    auto* save = new QPushButton(QStringLiteral("Save as..."), this);
    save->setObjectName(QStringLiteral("saveFile"));
    auto* paste = new QPushButton(QStringLiteral("Paste"), this);
    paste->setObjectName(QStringLiteral("paste"));
    paste->setToolTip(QStringLiteral("Fills the rows from 18 rows of cases and person-years "
                                     "copied from a spreadsheet"));
    connect(paste, &QPushButton::clicked, this, &CStatsWiz5::paste);
    connect(use, &QPushButton::clicked, this, &CStatsWiz5::useFile);
    connect(save, &QPushButton::clicked, this, &CStatsWiz5::saveFile);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(paste);
    buttons->addWidget(use);
    buttons->addWidget(save);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Total"), this));
    right->addWidget(m_total);
    right->addWidget(new QLabel(QStringLiteral("Title"), this));
    right->addWidget(m_title);
    right->addWidget(m_reference);
    right->addLayout(buttons);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(grid, 3);
    top->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    setBannerMargins(layout);
    layout->addLayout(top, 1);
}

void CStatsWiz5::initializePage() {
    const AnalysisBlock& choices = block();
    m_curve.title = choices.userCurveTitle;
    m_curve.cases = choices.userCases;
    m_curve.personYears = choices.userPersonYears;
    m_curve.rates = choices.userRates;
    showCurve();
    m_reference->setDescription(sheet().referenceDescription());
}

UserCurve CStatsWiz5::curve() const {
    UserCurve curve = m_curve;
    curve.title = toCoreText(m_title->text());
    return curve;
}

void CStatsWiz5::casesEdited(int group, const QString& text) {
    m_curve.cases[at(group)] = typedNumber(text.toStdString());
    updateRate(group);
}

void CStatsWiz5::personYearsEdited(int group, const QString& text) {
    m_curve.personYears[at(group)] = typedNumber(text.toStdString());
    updateRate(group);
}

void CStatsWiz5::updateRate(int group) {
    if (const auto rate = typedRowRate(m_curve.cases[at(group)], m_curve.personYears[at(group)])) {
        m_curve.rates[at(group)] = *rate;
        m_rates[at(group)]->setText(QString::asprintf("%.3f", *rate));
    }
    showTotal();
}

void CStatsWiz5::showCurve() {
    for (int group = 0; group < kKnownAgeGroupCount; ++group) {
        m_cases[at(group)]->setText(QString::asprintf("%.0f", m_curve.cases[at(group)]));
        m_personYears[at(group)]->setText(
            QString::asprintf("%.0f", m_curve.personYears[at(group)]));
        m_rates[at(group)]->setText(QString::asprintf("%.3f", m_curve.rates[at(group)]));
    }
    m_title->setText(
        QString::fromLatin1(m_curve.title.data(), static_cast<qsizetype>(m_curve.title.size())));
    showTotal();
}

void CStatsWiz5::showTotal() {
    QString text = fromCoreText(typedCurveTotal(m_curve.cases, m_curve.personYears));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_total->setPlainText(text);
}

bool CStatsWiz5::store() {
    AnalysisBlock& choices = block();
    if (const auto problem = checkUserCurve(m_curve.personYears, choices.ageLow, choices.ageHigh)) {
        CMessages::error(this, fromCoreMessage(*problem));
        return false;
    }
    // The older ages fold into the last typed group: the user is told, and the wizard proceeds.
    if (const auto warning = userCurveWarning(m_curve.personYears)) {
        CMessages::information(this, fromCoreMessage(*warning));
    }
    const UserCurve typed = curve();
    choices.userCurveTitle = typed.title;
    choices.userCases = typed.cases;
    choices.userPersonYears = typed.personYears;
    choices.userRates = typed.rates;
    return true;
}

void CStatsWiz5::useFile() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Use");
    request.directory = sheet().templateFolder();
    request.filter = kAnalysisFilter;
    request.defaultSuffix = QStringLiteral("STA");
    const QString path = CFileDialogs::getOpenFileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    const AnalysisFileRead read = readAnalysisFile(path.toStdString());
    if (!read.curve) {
        CMessages::warning(this, fromCoreMessage(read.result.message));
        return;
    }
    m_curve = *read.curve;
    showCurve();
}

void CStatsWiz5::paste() {
    const CurveTableRead read = parseCurveTable(QGuiApplication::clipboard()->text().toStdString());
    if (!read.rows) {
        CMessages::warning(this, fromCoreMessage(read.message));
        return;
    }
    m_curve = userCurveOfTable(*read.rows, curve().title); // the typed title stays
    showCurve();
}

void CStatsWiz5::saveFile() {
    QDir().mkpath(sheet().templateFolder());
    FileDialogRequest request;
    request.caption = QStringLiteral("Save as");
    request.directory = sheet().templateFolder();
    request.filter = kAnalysisFilter;
    request.defaultSuffix = QStringLiteral("STA");
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (path.isEmpty()) {
        return;
    }
    const SaveResult result = writeAnalysisFile(path.toStdString(), curve());
    if (!result.ok()) {
        CMessages::warning(this, fromCoreMessage(result.message));
    }
}

} // namespace orvelan
