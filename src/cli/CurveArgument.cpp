#include "CurveArgument.h"

#include "Arguments.h"
#include "CliContext.h"
#include "CliError.h"
#include "core/data/Codes.h"
#include "core/data/Validation.h"

namespace orvelan::cli {

CurveArgument parseCurveArgument(CliContext& context, const std::string& option,
                                 const std::string& text) {
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos || text.find(',', second + 1) != std::string::npos) {
        throw usageError(option + " takes population,cancer,sex (for example 0,34,m), not '" +
                         text + "'");
    }
    const std::vector<int> population = context.populationList(text.substr(0, first));
    const std::vector<int> cancer = context.cancerList(text.substr(first + 1, second - first - 1));
    if (population.size() != 1 || cancer.size() != 1) {
        throw usageError(option + " names one population and one cancer, not '" + text + "'");
    }
    CurveArgument curve;
    curve.population = context.checkPopulation(population.front());
    curve.cancer = context.checkCancer(cancer.front());
    curve.sex = parseSex(text.substr(second + 1), true);
    return curve;
}

void checkCurveForRange(CliContext& context, const CurveArgument& curve, int from, int to) {
    if (curve.sex != Sex::Both) {
        if (const auto message = ValidateSelection(from, to, curve.cancer, curve.sex == Sex::Male,
                                                   context.cancerGroups())) {
            throw usageError(*message);
        }
    }
    CIncidenceStore& store = context.store();
    if (!store.load(curve.population, curve.cancer, curve.sex)) {
        throw context.loadFailure("the series");
    }
    if (rangeEndsInOpenTopClass(to, store.lastAgeGroup())) {
        throw usageError("Selected population and age range are not compatible. Check "
                         "population figures. (population " +
                         std::to_string(curve.population) + " ends at " +
                         openTopLabel(store.lastAgeGroup()) + ")");
    }
}

} // namespace orvelan::cli
