#include "gui/framework/DocumentTypes.h"

#include <QStringList>

namespace orvelan {

namespace {

constexpr const char* kReportString = "\nReport\nReport\nReport (*.txt)\n.txt\n\n";
constexpr const char* kGraphString = "\nGraph\nGraph\nORVELAN graph (*.bmp)\n.bmp\n\n";
constexpr const char* kTableString = "\nTable\nTable\nORVELAN tables (*.prn)\n.prn\n\n";

constexpr std::array<DocTemplate, kDocumentTypeCount> kTemplates = {{
    {DocumentType::AgeSpecificRates, 2034, kReportString, "CAgeSpecificRatesView", false},
    {DocumentType::UserReport, 2034, kReportString, "CReportView", false},
    {DocumentType::SummaryRates, 2034, kReportString, "CSummaryRatesView", false},
    {DocumentType::SeveralCurves, 2034, kReportString, "CCMPseveralResult", false},
    {DocumentType::AgeCurves, 2015, kGraphString, "CAgeView", true},
    {DocumentType::BarChart, 2015, kGraphString, "CBarView", true},
    {DocumentType::PieChart, 2015, kGraphString, "CPieView", true},
    {DocumentType::Pyramid, 2015, kGraphString, "CPopView", true},
    {DocumentType::StandardTable, 2011, kTableString, "CVEKEditView", false},
}};

} // namespace

const DocTemplate& docTemplate(DocumentType type) {
    return kTemplates[static_cast<std::size_t>(type)];
}

const std::array<DocTemplate, kDocumentTypeCount>& allDocTemplates() { return kTemplates; }

MenuSet menuSetOf(DocumentType type) { return static_cast<MenuSet>(docTemplate(type).stringId); }

QString docStringField(const DocTemplate& docTemplate, int field) {
    const QStringList fields = QString::fromLatin1(docTemplate.docString).split(QLatin1Char('\n'));
    return field >= 0 && field < fields.size() ? fields[field] : QString();
}

} // namespace orvelan
