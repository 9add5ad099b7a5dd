#include "gui/graphs/wizard/CBarPage.h"

#include "core/graphs/GraphTitles.h"
#include "gui/graphs/wizard/CGphWizard.h"

namespace orvelan {

CBarPage::CBarPage(CGphWizard& wizard, const QString& role) : CGphPage(wizard, role) {}

QStringList CBarPage::headingLines() const {
    const GraphSettings& s = settings();
    QStringList lines;
    // The bar chart pages store male or female only.
    const Sex sex = knownSex(s.sex).value_or(Sex::Male);
    for (const std::string& line : barChartHeading(s.barChartType, s.rateKind, sex, s.ageFrom,
                                                   s.ageTo, m_chosenName.toStdString())) {
        lines << QString::fromStdString(line);
    }
    return lines;
}

} // namespace orvelan
