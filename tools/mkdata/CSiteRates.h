#pragma once

#include "CCancerTree.h"
#include "CPopulationPlan.h"
#include "CRandom.h"
#include "core/data/Codes.h"

#include <string>
#include <vector>

namespace orvelan::mkdata {

/// Age-specific incidence rates (per 100,000 person-years, groups 0-17) of every modelled site
/// for one population and sex: the reference rate spread over age by the site's curve, times the
/// region's and the locality's multipliers and a random population and site effect, finally
/// pulled into a plausible band of the World ASR of all sites but skin.
class CSiteRates {
  public:
    explicit CSiteRates(const CCancerTree& tree);

    /// Rates indexed like siteModels(). Sites the sex cannot have, and sites outside the chapter
    /// of a specialised registry, get zero.
    std::vector<AgeArray> rates(const PopulationFacts& facts, int sex, CRandom& random) const;
    /// Expected World ASR (per 100,000) of all sites but skin for a set of rates.
    static double worldAsrButSkin(const std::vector<AgeArray>& rates);
    const std::vector<std::string>& problems() const { return m_problems; }

  private:
    /// Multipliers by region, site, sex and band (0: children, 1: adults).
    using SexBands = std::array<std::array<double, 2>, 2>;
    void buildCurves();
    void buildMultipliers();
    double localMultiplier(int population, int cancer, int sex) const;

    const CCancerTree& m_tree;
    std::vector<AgeArray> m_curves;
    std::vector<std::vector<SexBands>> m_multipliers;
    std::vector<std::string> m_problems;
};

} // namespace orvelan::mkdata
