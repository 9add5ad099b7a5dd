#include "gui/analysis/CCMPtwoResult.h"

#include "core/rates/ComparisonLayouts.h"
#include "graphics/CoreText.h"
#include "gui/analysis/CCMPtwoGraph.h"
#include "gui/framework/CHelpPages.h"
#include "gui/widgets/CFileDialogs.h"
#include "gui/widgets/CMessages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <span>
#include <string_view>

namespace orvelan {

namespace {

/// A report-style list: column titles, widths and alignments, one item per row label.
QTreeWidget* resultList(QWidget* parent, const char* name, std::span<const std::string_view> titles,
                        std::span<const int> widths, std::span<const std::string_view> rows) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setColumnCount(static_cast<int>(titles.size()));
    QStringList headers;
    for (std::string_view title : titles) {
        headers << fromCoreText(title);
    }
    list->setHeaderLabels(headers);
    for (std::size_t c = 0; c < widths.size(); ++c) {
        list->setColumnWidth(static_cast<int>(c), widths[c]);
        if (c > 0) {
            list->headerItem()->setTextAlignment(static_cast<int>(c), Qt::AlignRight);
        }
    }
    for (std::string_view row : rows) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, fromCoreText(row));
    }
    const int rowHeight = list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : 18;
    list->setFixedHeight(list->header()->sizeHint().height() +
                         rowHeight * static_cast<int>(rows.size()) + 2 * list->frameWidth() + 4);
    return list;
}

QGroupBox* group(QWidget* parent, const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

QLineEdit* readOnlyField(QWidget* parent, const char* name, const std::string& text) {
    auto* field = new QLineEdit(fromCoreText(text), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setCursorPosition(0);
    return field;
}

constexpr std::array<int, 3> kAsrWidths = {200, 100, 100};
constexpr std::array<int, 4> kRateRatioWidths = {120, 200, 70, 80};
constexpr std::array<int, 4> kTestWidths = {220, 70, 70, 100};

} // namespace

CCMPtwoResult::CCMPtwoResult(QWidget* parent, const TwoCurveContext& context, int refCancer,
                             int compCancer, int refPopulation, int compPopulation, int refSex,
                             int compSex, int ageLow, int ageHigh, int userComparison)
    : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("CCMPtwoResult"));
    setWindowTitle(QStringLiteral("Comparison of two age-specific curves: results"));
    m_pair.refCancer = refCancer;
    m_pair.compCancer = compCancer;
    m_pair.refPopulation = refPopulation;
    m_pair.compPopulation = compPopulation;
    m_pair.refSex = refSex;
    m_pair.compSex = compSex;
    m_pair.ageLow = ageLow;
    m_pair.ageHigh = ageHigh;
    m_pair.userComparison = userComparison;
    const UserCurve* typed = m_context.userCurve ? &*m_context.userCurve : nullptr;
    m_run = runComparison(m_pair, m_context.store, typed);

    m_reference = readOnlyField(this, "reference", m_run.texts.reference);
    m_comparison = readOnlyField(this, "comparison", m_run.texts.comparison);
    m_ageRange = readOnlyField(this, "ageRange", m_run.texts.ageRange);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Reference:"), m_reference);
    fields->addRow(QStringLiteral("Comparison:"), m_comparison);
    fields->addRow(QStringLiteral("Age range:"), m_ageRange);

    m_asrList = resultList(this, "asrList", kAsrColumns, kAsrWidths, kAsrRows);
    m_rateRatioList =
        resultList(this, "rateRatioList", kRateRatioColumns, kRateRatioWidths, kRateRatioRows);
    m_testList = resultList(this, "testList", kTestColumns, kTestWidths, kTestRows);
    fillLists();

    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("help"));
    m_showCurves = new QPushButton(QStringLiteral("&Show curves"), this);
    m_showCurves->setObjectName(QStringLiteral("showCurves"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    m_saveAs = new QPushButton(QStringLiteral("Save &As"), this);
    m_saveAs->setObjectName(QStringLiteral("saveAs"));
    m_showCurves->setEnabled(m_run.ok());
    m_saveAs->setEnabled(m_run.ok());
    connect(help, &QPushButton::clicked, this, &CCMPtwoResult::showHelp);
    connect(m_showCurves, &QPushButton::clicked, this, &CCMPtwoResult::showCurves);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_saveAs, &QPushButton::clicked, this, &CCMPtwoResult::saveAs);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(m_showCurves);
    buttons->addWidget(close);
    buttons->addWidget(m_saveAs);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(group(this, QStringLiteral("Age Standardised Rates (World)"), m_asrList));
    layout->addWidget(group(this, QStringLiteral("Relative Risk (RR) Estimates"), m_rateRatioList));
    layout->addWidget(
        group(this, QStringLiteral("Test of significance of Relative Risk (RR)"), m_testList));
    layout->addLayout(buttons);
    // The dialog is as wide as the widest list's columns.
    int widest = 0;
    for (const QTreeWidget* list : {m_asrList, m_rateRatioList, m_testList}) {
        int width = 2 * list->frameWidth() + 4;
        for (int column = 0; column < list->columnCount(); ++column) {
            width += list->columnWidth(column);
        }
        widest = std::max(widest, width);
    }
    setMinimumWidth(widest + 48);
}

void CCMPtwoResult::fillLists() {
    const std::array<std::pair<QTreeWidget*, ResultList>, 3> lists = {
        std::pair{m_asrList, ResultList::Asr}, std::pair{m_rateRatioList, ResultList::RateRatio},
        std::pair{m_testList, ResultList::Tests}};
    for (const auto& [list, kind] : lists) {
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            for (int column = 2; column <= list->columnCount(); ++column) {
                item->setText(column - 1, fromCoreText(resultCellText(m_pair, kind, row, column)));
                item->setTextAlignment(column - 1, Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        // A column never cuts a number or a label: it grows past its usual width when needed.
        for (int column = 0; column < list->columnCount(); ++column) {
            const int usual = list->columnWidth(column);
            list->resizeColumnToContents(column);
            list->setColumnWidth(column, std::max(usual, list->columnWidth(column) + 8));
        }
    }
}

bool CCMPtwoResult::saveTo(const QString& path) {
    const SaveResult result = saveComparison(path.toStdString(), m_pair, m_run.texts);
    if (!result.ok()) {
        CMessages::warning(this, fromCoreText(result.message));
    }
    return result.ok();
}

void CCMPtwoResult::saveAs() {
    FileDialogRequest request;
    request.caption = QStringLiteral("Save As");
    request.directory = m_context.workFolder;
    request.filter = QStringLiteral("Text (tab delimited) (*.txt *.TXT);;Formatted Text (*.prn);;"
                                    "Numbers, comma separated (*.csv)");
    request.defaultSuffix = QStringLiteral("txt");
    const QString path = CFileDialogs::getSaveFileName(this, request);
    if (!path.isEmpty()) {
        saveTo(path);
    }
}

void CCMPtwoResult::showCurves() {
    // A zero reference rate leaves nothing to draw on a logarithmic scale.
    if (m_pair.asrRef == 0.0) {
        return;
    }
    CCMPtwoGraph graph(this, m_pair, m_run);
    graph.setWorkFolder(m_context.workFolder);
    graph.setLook(m_context.graphLook);
    graph.exec();
}

void CCMPtwoResult::showHelp() {
    const QString page = CHelpPages::locate(QStringLiteral("methods.html"));
    if (page.isEmpty()) {
        CMessages::information(this, QStringLiteral("The methods of the comparison are described "
                                                    "in the methods page of the documentation."));
        return;
    }
    // The results dialog is modal: a help window of its own is the one the user can reach.
    CHelpPages::showFile(this, page);
}

} // namespace orvelan
