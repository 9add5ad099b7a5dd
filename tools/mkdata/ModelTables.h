#pragma once

#include <array>
#include <span>
#include <string_view>

// The parameters of the synthetic incidence model, as tables. Rates are per 100,000
// person-years, sizes in thousands of people, ages in years.
namespace orvelan::mkdata {

/// Populations that share a risk profile (incidence multipliers) and a verification baseline.
enum class Region {
    NorthAmericaWhite,
    NorthAmericaBlack,
    Hispanic,
    AmericanIndian,
    LatinAmerica,
    SouthernCone,
    Caribbean,
    NorthAfrica,
    WestAfrica,
    EastAfrica,
    China,
    SouthernChinese,
    ChineseMigrant,
    Japan,
    JapaneseMigrant,
    Korea,
    SouthAsia,
    SoutheastAsia,
    Filipino,
    WestAsia,
    IsraeliJews,
    NorthernEurope,
    WesternEurope,
    France,
    BritishIsles,
    SouthernEurope,
    EasternEurope,
    Oceania,
    Pacific,
};

enum class AgeStructure { Young, Intermediate, Transitional, Old, Migrant };

/// Age groups a multiplier applies to: all, 0-14 only, or 15 and over.
enum class AgeBand { All, Children, Adults };

enum class SexScope { Both, Male, Female };

/// An age-incidence curve, relative (it is scaled to a World ASR afterwards):
/// adult * (a / pivotAge)^(rise below the pivot, after above it)
/// + child * e^(-a / childScale) + bump * e^(-((a - bumpAge) / bumpSpread)^2 / 2).
struct AgeShape {
    std::string_view name;
    double adult;
    double pivotAge;
    double rise;
    double after;
    double child;
    double childScale;
    double bump;
    double bumpAge;
    double bumpSpread;
};

/// A site whose cases are drawn directly: the rows below it are split from it, the rows above
/// it summed. male / female: World ASR of the reference population (0: the sex has no such
/// cancer). verification: shift of the log-odds that a case is microscopically verified.
struct SiteModel {
    int cancer;
    std::string_view shape;
    double male;
    double female;
    double verification;
};

/// Weight of one child in the split of its parent's cases, by age band (0-14, 15-44, 45+).
struct ChildShare {
    int parent;
    int child;
    SexScope sex;
    double children;
    double young;
    double older;
};

/// Incidence multiplier of a region for every site under a cancer row (0: all sites).
struct RiskMultiplier {
    Region region;
    int cancer;
    AgeBand band;
    double male;
    double female;
};

/// A local excess or deficit on top of the region (a known high-risk area).
struct LocalRisk {
    int population;
    int cancer;
    double male;
    double female;
};

/// verification: percentage of cases microscopically verified in a mature registry.
struct RegionFacts {
    Region region;
    std::string_view name;
    double verification;
};

/// Mid-period size (thousands, both sexes), risk region and age structure of a population.
/// For an aggregate, region and age structure describe the people outside its parts.
struct PopulationModel {
    int population;
    double thousands;
    Region region;
    AgeStructure ages;
};

/// An aggregate population is the sum of its parts plus the people the parts leave out.
struct AggregatePart {
    int aggregate;
    int part;
};

/// Share of the population (any scale) and males per female, by age group 0-17.
struct AgeStructureModel {
    AgeStructure ages;
    std::array<double, 18> share;
    std::array<double, 18> malesPerFemale;
};

/// The year a country's first registry began; younger registries verify fewer cases.
struct CountryRegistry {
    int country;
    int founded;
};

struct LastAgeGroup {
    int population;
    int lastAgeGroup;
};

/// Share of person-years of unknown age (census "age not stated").
struct UnknownAgePersonYears {
    int population;
    double share;
};

/// A registry that records the cancers of one chapter only.
struct SpecialisedRegistry {
    int population;
    int chapter;
};

struct PopulationMarker {
    int population;
    char marker;
};

struct PeriodChoice {
    int value;
    double weight;
};

std::span<const AgeShape> ageShapes();
std::span<const SiteModel> siteModels();
std::span<const ChildShare> childShares();
std::span<const RiskMultiplier> riskMultipliers();
std::span<const LocalRisk> localRisks();
std::span<const RegionFacts> regionFacts();
std::span<const PopulationModel> populationModels();
std::span<const AggregatePart> aggregateParts();
std::span<const AgeStructureModel> ageStructures();
std::span<const CountryRegistry> countryRegistries();
std::span<const LastAgeGroup> earlyLastAgeGroups();
std::span<const UnknownAgePersonYears> unknownAgePersonYears();
std::span<const SpecialisedRegistry> specialisedRegistries();
std::span<const PopulationMarker> populationMarkers();
/// Populations whose verification percentage is not available (written negative).
std::span<const int> verificationNotAvailable();
/// Length of the registration period in years, and its last year.
std::span<const PeriodChoice> periodLengths();
std::span<const PeriodChoice> periodEnds();

/// World standard population by age group 0-17 (per 100,000).
inline constexpr std::array<double, 18> kWorldStandard = {12000, 10000, 9000, 9000, 8000, 8000,
                                                          6000,  6000,  6000, 6000, 5000, 4000,
                                                          4000,  3000,  2000, 1000, 500,  500};

/// Age at the middle of each group 0-17 (years); 85 and over is taken at 88.
inline constexpr std::array<double, 18> kAgeMidpoints = {2.5,  7.5,  12.5, 17.5, 22.5, 27.5,
                                                         32.5, 37.5, 42.5, 47.5, 52.5, 57.5,
                                                         62.5, 67.5, 72.5, 77.5, 82.5, 88.0};

/// Constants of the model that are not per site or population.
struct ModelConstants {
    /// Expected World ASR of all sites but skin is pulled into this band (per 100,000).
    static constexpr double kAsrFloor = 110.0;
    static constexpr double kAsrCeiling = 380.0;
    /// Log-normal spread of a population's overall level and of each of its sites.
    static constexpr double kPopulationSpread = 0.08;
    static constexpr double kSiteSpread = 0.15;
    /// Log-normal spread of person-years around the age structure.
    static constexpr double kPersonYearsSpread = 0.03;
    /// Share of populations with some cases of unknown age, and the largest unknown share.
    static constexpr double kUnknownAgePopulationShare = 0.30;
    static constexpr double kLargestUnknownAgeShare = 0.03;
    /// Populations smaller than this (thousands) register for at least kShortestSmallPeriod years.
    static constexpr double kSmallPopulation = 500.0;
    static constexpr int kShortestSmallPeriod = 4;
    /// Percentage points of verification lost per year a registry is younger than kMatureBefore.
    static constexpr double kYoungRegistryPenalty = 0.3;
    static constexpr int kMatureBefore = 1965;
    /// Spread of a population's verification baseline (percentage points).
    static constexpr double kVerificationSpread = 2.0;
    /// Log-odds lost per age group above 60-64 (old patients are verified less often).
    static constexpr double kVerificationAgeSlope = 0.15;
    /// Weight of unverified cases going to morphology groups by kind, relative to verified ones.
    static constexpr double kUnverifiedToUnspecifiedMorphology = 40.0;
    static constexpr double kUnverifiedToUnspecifiedCarcinoma = 6.0;
    static constexpr double kUnverifiedToSpecificMorphology = 0.15;
};

} // namespace orvelan::mkdata
