#include "CSiteRates.h"

#include "DeterministicMath.h"
#include "ModelTables.h"

#include <algorithm>
#include <cstddef>

namespace orvelan::mkdata {

namespace {

constexpr int kLastChildAgeGroup = 2; // 10-14
constexpr double kPer100k = 100000.0;

std::size_t index(int value) { return static_cast<std::size_t>(value); }

double shapeAt(const AgeShape& shape, double age) {
    const double exponent = age < shape.pivotAge ? shape.rise : shape.after;
    const double deviation = (age - shape.bumpAge) / shape.bumpSpread;
    return shape.adult * detPow(age / shape.pivotAge, exponent) +
           shape.child * detExp(-age / shape.childScale) +
           shape.bump * detExp(-0.5 * deviation * deviation);
}

const AgeShape* findShape(std::string_view name) {
    for (const AgeShape& shape : ageShapes()) {
        if (shape.name == name) {
            return &shape;
        }
    }
    return nullptr;
}

bool bandMatches(AgeBand band, int bandIndex) {
    return band == AgeBand::All || (band == AgeBand::Children) == (bandIndex == 0);
}

} // namespace

CSiteRates::CSiteRates(const CCancerTree& tree) : m_tree(tree) {
    buildCurves();
    buildMultipliers();
}

void CSiteRates::buildCurves() {
    for (const SiteModel& site : siteModels()) {
        AgeArray curve{};
        const AgeShape* shape = findShape(site.shape);
        if (shape == nullptr) {
            m_problems.push_back("site " + std::to_string(site.cancer) + " has no curve named " +
                                 std::string(site.shape));
            m_curves.push_back(curve);
            continue;
        }
        double asr = 0.0;
        for (std::size_t age = 0; age < curve.size(); ++age) {
            curve[age] = shapeAt(*shape, kAgeMidpoints[age]);
            asr += curve[age] * kWorldStandard[age] / kPer100k;
        }
        for (double& value : curve) {
            value /= asr; // the curve now has a World ASR of 1 per 100,000
        }
        m_curves.push_back(curve);
    }
}

void CSiteRates::buildMultipliers() {
    const std::size_t regionCount = regionFacts().size();
    for (std::size_t region = 0; region < regionCount; ++region) {
        if (static_cast<std::size_t>(regionFacts()[region].region) != region) {
            m_problems.push_back("the region table is not in the order of the regions");
        }
    }
    m_multipliers.assign(regionCount, std::vector<SexBands>(siteModels().size(),
                                                            SexBands{{{1.0, 1.0}, {1.0, 1.0}}}));
    for (const RiskMultiplier& risk : riskMultipliers()) {
        auto& regionRow = m_multipliers.at(static_cast<std::size_t>(risk.region));
        for (std::size_t site = 0; site < siteModels().size(); ++site) {
            if (!m_tree.isWithin(siteModels()[site].cancer, risk.cancer)) {
                continue;
            }
            for (int band = 0; band < 2; ++band) {
                if (bandMatches(risk.band, band)) {
                    regionRow[site][0][index(band)] *= risk.male;
                    regionRow[site][1][index(band)] *= risk.female;
                }
            }
        }
    }
}

double CSiteRates::localMultiplier(int population, int cancer, int sex) const {
    double multiplier = 1.0;
    for (const LocalRisk& risk : localRisks()) {
        if (risk.population == population && m_tree.isWithin(cancer, risk.cancer)) {
            multiplier *= sex == 0 ? risk.male : risk.female;
        }
    }
    return multiplier;
}

std::vector<AgeArray> CSiteRates::rates(const PopulationFacts& facts, int sex,
                                        CRandom& random) const {
    const auto sites = siteModels();
    std::vector<AgeArray> result(sites.size(), AgeArray{});
    const auto& regionRow = m_multipliers.at(static_cast<std::size_t>(facts.region));
    const double level = detExp(ModelConstants::kPopulationSpread * random.normal());
    for (std::size_t site = 0; site < sites.size(); ++site) {
        const double reference = sex == 0 ? sites[site].male : sites[site].female;
        const double effect = detExp(ModelConstants::kSiteSpread * random.normal());
        if (reference <= 0.0) {
            continue;
        }
        const double scale =
            reference * level * effect * localMultiplier(facts.population, sites[site].cancer, sex);
        for (std::size_t age = 0; age < result[site].size(); ++age) {
            const int band = static_cast<int>(age) <= kLastChildAgeGroup ? 0 : 1;
            result[site][age] =
                scale * m_curves[site][age] * regionRow[site][index(sex)][index(band)];
        }
    }
    const double asr = worldAsrButSkin(result);
    const double target = std::clamp(asr, ModelConstants::kAsrFloor, ModelConstants::kAsrCeiling);
    for (std::size_t site = 0; site < sites.size(); ++site) {
        const bool recorded =
            facts.chapter < 0 || m_tree.chapterOf(sites[site].cancer) == facts.chapter;
        for (double& rate : result[site]) {
            rate = recorded && asr > 0.0 ? rate * target / asr : 0.0;
        }
    }
    return result;
}

double CSiteRates::worldAsrButSkin(const std::vector<AgeArray>& rates) {
    double asr = 0.0;
    const auto sites = siteModels();
    for (std::size_t site = 0; site < sites.size() && site < rates.size(); ++site) {
        if (sites[site].cancer == CCancerTree::kOtherSkin) {
            continue;
        }
        for (std::size_t age = 0; age < rates[site].size(); ++age) {
            asr += rates[site][age] * kWorldStandard[age] / kPer100k;
        }
    }
    return asr;
}

} // namespace orvelan::mkdata
