// Regional contrasts of incidence relative to the reference rates, local high-risk areas and the
// verification baselines of registries.
#include "ModelTables.h"

namespace orvelan::mkdata {

namespace {

using R = Region;
using B = AgeBand;

// Cancer rows the multipliers are keyed on; a multiplier covers every site below its row.
constexpr int kAllSites = 0;
constexpr int kOral = 2;
constexpr int kLip = 3;
constexpr int kNasopharynx = 17;
constexpr int kHypopharynx = 19;
constexpr int kOesophagus = 22;
constexpr int kStomach = 34;
constexpr int kColon = 41;
constexpr int kRectum = 48;
constexpr int kLiver = 58;
constexpr int kGallbladder = 68;
constexpr int kBiliary = 69;
constexpr int kPancreas = 70;
constexpr int kLarynx = 75;
constexpr int kLung = 77;
constexpr int kMelanoma = 102;
constexpr int kOtherSkin = 108;
constexpr int kMesothelioma = 110;
constexpr int kKaposi = 111;
constexpr int kBreast = 115;
constexpr int kCervix = 119;
constexpr int kCorpus = 127;
constexpr int kOvary = 135;
constexpr int kProstate = 153;
constexpr int kTestis = 154;
constexpr int kKidney = 163;
constexpr int kBladder = 166;
constexpr int kEye = 177;
constexpr int kThyroid = 210;
constexpr int kLymphoma = 223;
constexpr int kHodgkin = 227;
constexpr int kMyeloma = 234;
constexpr int kLeukaemia = 235;

// region, cancer row, ages, male, female
constexpr RiskMultiplier kRiskMultipliers[] = {
    {R::NorthAmericaWhite, kProstate, B::All, 1.9, 1},
    {R::NorthAmericaWhite, kBreast, B::All, 1, 1.25},
    {R::NorthAmericaWhite, kLung, B::All, 1.05, 1.9},
    {R::NorthAmericaWhite, kMelanoma, B::All, 1.5, 1.3},
    {R::NorthAmericaWhite, kColon, B::All, 1.1, 1.1},
    {R::NorthAmericaWhite, kLymphoma, B::All, 1.2, 1.2},
    {R::NorthAmericaWhite, kCorpus, B::All, 1, 1.4},
    {R::NorthAmericaWhite, kCervix, B::All, 1, 0.7},
    {R::NorthAmericaWhite, kStomach, B::All, 0.55, 0.5},
    {R::NorthAmericaWhite, kKidney, B::All, 1.2, 1.2},
    {R::NorthAmericaWhite, kLiver, B::All, 0.7, 0.7},

    {R::NorthAmericaBlack, kProstate, B::All, 3.0, 1},
    {R::NorthAmericaBlack, kLung, B::All, 1.6, 1.8},
    {R::NorthAmericaBlack, kMelanoma, B::All, 0.05, 0.05},
    {R::NorthAmericaBlack, kOtherSkin, B::All, 0.05, 0.05},
    {R::NorthAmericaBlack, kOesophagus, B::All, 3.0, 2.5},
    {R::NorthAmericaBlack, kMyeloma, B::All, 2.2, 2.2},
    {R::NorthAmericaBlack, kCervix, B::All, 1, 1.3},
    {R::NorthAmericaBlack, kLiver, B::All, 1.5, 1.5},
    {R::NorthAmericaBlack, kPancreas, B::All, 1.4, 1.4},
    {R::NorthAmericaBlack, kBladder, B::All, 0.5, 0.7},
    {R::NorthAmericaBlack, kTestis, B::All, 0.15, 1},
    {R::NorthAmericaBlack, kOral, B::All, 1.5, 0.8},
    {R::NorthAmericaBlack, kLarynx, B::All, 1.5, 1.5},
    {R::NorthAmericaBlack, kCorpus, B::All, 1, 0.8},

    {R::Hispanic, kStomach, B::All, 1.3, 1.5},
    {R::Hispanic, kLiver, B::All, 2.0, 1.8},
    {R::Hispanic, kGallbladder, B::All, 2.0, 3.0},
    {R::Hispanic, kCervix, B::All, 1, 1.9},
    {R::Hispanic, kBreast, B::All, 0.7, 0.7},
    {R::Hispanic, kLung, B::All, 0.5, 0.55},
    {R::Hispanic, kProstate, B::All, 1.3, 1},
    {R::Hispanic, kMelanoma, B::All, 0.2, 0.25},
    {R::Hispanic, kOtherSkin, B::All, 0.1, 0.1},
    {R::Hispanic, kColon, B::All, 0.65, 0.65},
    {R::Hispanic, kBladder, B::All, 0.5, 0.5},
    {R::Hispanic, kLeukaemia, B::Children, 1.5, 1.5},

    {R::AmericanIndian, kAllSites, B::All, 0.6, 0.6},
    {R::AmericanIndian, kGallbladder, B::All, 6.0, 8.0},
    {R::AmericanIndian, kKidney, B::All, 2.0, 2.0},
    {R::AmericanIndian, kStomach, B::All, 2.5, 2.5},
    {R::AmericanIndian, kLiver, B::All, 2.5, 2.5},
    {R::AmericanIndian, kCervix, B::All, 1, 1.8},
    {R::AmericanIndian, kMelanoma, B::All, 0.1, 0.1},
    {R::AmericanIndian, kOtherSkin, B::All, 0.1, 0.1},
    {R::AmericanIndian, kLung, B::All, 0.4, 0.4},

    {R::LatinAmerica, kStomach, B::All, 2.4, 2.0},
    {R::LatinAmerica, kCervix, B::All, 1, 3.5},
    {R::LatinAmerica, kGallbladder, B::All, 2.0, 3.0},
    {R::LatinAmerica, kBreast, B::All, 0.55, 0.55},
    {R::LatinAmerica, kLung, B::All, 0.5, 0.45},
    {R::LatinAmerica, kColon, B::All, 0.45, 0.45},
    {R::LatinAmerica, kRectum, B::All, 0.6, 0.6},
    {R::LatinAmerica, kProstate, B::All, 1.2, 1},
    {R::LatinAmerica, kMelanoma, B::All, 0.3, 0.3},
    {R::LatinAmerica, kOtherSkin, B::All, 0.7, 0.7},
    {R::LatinAmerica, kOesophagus, B::All, 1.2, 1.2},
    {R::LatinAmerica, kLeukaemia, B::Children, 1.4, 1.4},
    {R::LatinAmerica, kThyroid, B::All, 1, 1.3},

    {R::SouthernCone, kLung, B::All, 1.4, 0.5},
    {R::SouthernCone, kOesophagus, B::All, 2.2, 1.5},
    {R::SouthernCone, kStomach, B::All, 1.3, 1.2},
    {R::SouthernCone, kProstate, B::All, 1.2, 1},
    {R::SouthernCone, kCervix, B::All, 1, 1.6},
    {R::SouthernCone, kLarynx, B::All, 1.5, 0.5},
    {R::SouthernCone, kMelanoma, B::All, 0.5, 0.5},
    {R::SouthernCone, kKidney, B::All, 1.3, 1.3},
    {R::SouthernCone, kBladder, B::All, 1.3, 1.3},

    {R::Caribbean, kProstate, B::All, 1.9, 1},
    {R::Caribbean, kCervix, B::All, 1, 2.0},
    {R::Caribbean, kBreast, B::All, 0.6, 0.6},
    {R::Caribbean, kLung, B::All, 0.8, 0.5},
    {R::Caribbean, kOral, B::All, 1.5, 1.5},
    {R::Caribbean, kOesophagus, B::All, 1.5, 1.5},
    {R::Caribbean, kStomach, B::All, 1.4, 1.4},
    {R::Caribbean, kColon, B::All, 0.6, 0.6},
    {R::Caribbean, kMelanoma, B::All, 0.2, 0.2},
    {R::Caribbean, kOtherSkin, B::All, 0.3, 0.3},
    {R::Caribbean, kMyeloma, B::All, 1.5, 1.5},

    {R::NorthAfrica, kAllSites, B::All, 0.6, 0.6},
    {R::NorthAfrica, kNasopharynx, B::All, 6.0, 5.0},
    {R::NorthAfrica, kBladder, B::All, 1.3, 1},
    {R::NorthAfrica, kLung, B::All, 0.6, 0.3},
    {R::NorthAfrica, kBreast, B::All, 0.75, 0.75},
    {R::NorthAfrica, kCervix, B::All, 1, 1.8},
    {R::NorthAfrica, kLymphoma, B::All, 1.4, 1.4},
    {R::NorthAfrica, kProstate, B::All, 0.35, 1},
    {R::NorthAfrica, kMelanoma, B::All, 0.1, 0.1},
    {R::NorthAfrica, kOtherSkin, B::All, 0.2, 0.2},

    {R::WestAfrica, kAllSites, B::All, 0.35, 0.35},
    {R::WestAfrica, kLiver, B::All, 25.0, 15.0},
    {R::WestAfrica, kCervix, B::All, 1, 7.0},
    {R::WestAfrica, kKaposi, B::All, 20.0, 20.0},
    {R::WestAfrica, kStomach, B::All, 1.5, 1.5},
    {R::WestAfrica, kBreast, B::All, 0.8, 0.8},
    {R::WestAfrica, kProstate, B::All, 0.9, 1},
    {R::WestAfrica, kLymphoma, B::Children, 5.0, 5.0},
    {R::WestAfrica, kLymphoma, B::All, 2.0, 2.0},
    {R::WestAfrica, kBladder, B::All, 2.0, 2.0},
    {R::WestAfrica, kEye, B::All, 3.0, 3.0},
    {R::WestAfrica, kLung, B::All, 0.2, 0.2},
    {R::WestAfrica, kColon, B::All, 0.5, 0.5},
    {R::WestAfrica, kMelanoma, B::All, 0.2, 0.2},
    {R::WestAfrica, kOtherSkin, B::All, 0.3, 0.3},

    {R::EastAfrica, kAllSites, B::All, 0.45, 0.45},
    {R::EastAfrica, kKaposi, B::All, 250.0, 400.0},
    {R::EastAfrica, kOesophagus, B::All, 4.5, 5.0},
    {R::EastAfrica, kCervix, B::All, 1, 9.0},
    {R::EastAfrica, kLiver, B::All, 4.0, 3.0},
    {R::EastAfrica, kProstate, B::All, 1.5, 1},
    {R::EastAfrica, kBreast, B::All, 0.7, 0.7},
    {R::EastAfrica, kLymphoma, B::Children, 8.0, 8.0},
    {R::EastAfrica, kLymphoma, B::All, 2.0, 2.0},
    {R::EastAfrica, kEye, B::All, 8.0, 8.0},
    {R::EastAfrica, kLung, B::All, 0.25, 0.25},
    {R::EastAfrica, kMelanoma, B::All, 0.3, 0.3},
    {R::EastAfrica, kOtherSkin, B::All, 0.5, 0.5},
    {R::EastAfrica, kStomach, B::All, 0.8, 0.8},
    {R::EastAfrica, kColon, B::All, 0.5, 0.5},

    {R::China, kStomach, B::All, 3.0, 2.3},
    {R::China, kLiver, B::All, 4.0, 3.0},
    {R::China, kOesophagus, B::All, 3.0, 2.5},
    {R::China, kNasopharynx, B::All, 3.0, 3.0},
    {R::China, kLung, B::All, 0.85, 1.2},
    {R::China, kBreast, B::All, 0.35, 0.35},
    {R::China, kProstate, B::All, 0.05, 1},
    {R::China, kColon, B::All, 0.45, 0.5},
    {R::China, kRectum, B::All, 0.6, 0.6},
    {R::China, kMelanoma, B::All, 0.04, 0.04},
    {R::China, kOtherSkin, B::All, 0.05, 0.05},
    {R::China, kCervix, B::All, 1, 0.5},
    {R::China, kCorpus, B::All, 1, 0.3},
    {R::China, kOvary, B::All, 1, 0.6},
    {R::China, kTestis, B::All, 0.15, 1},
    {R::China, kBladder, B::All, 0.35, 0.3},
    {R::China, kHodgkin, B::All, 0.2, 0.2},
    {R::China, kLymphoma, B::All, 0.45, 0.45},
    {R::China, kKidney, B::All, 0.35, 0.35},
    {R::China, kMyeloma, B::All, 0.3, 0.3},

    {R::SouthernChinese, kNasopharynx, B::All, 40.0, 30.0},
    {R::SouthernChinese, kLiver, B::All, 3.5, 2.5},
    {R::SouthernChinese, kStomach, B::All, 1.5, 1.3},
    {R::SouthernChinese, kLung, B::All, 1.05, 1.3},
    {R::SouthernChinese, kBreast, B::All, 0.5, 0.5},
    {R::SouthernChinese, kProstate, B::All, 0.15, 1},
    {R::SouthernChinese, kColon, B::All, 0.9, 0.9},
    {R::SouthernChinese, kMelanoma, B::All, 0.05, 0.05},
    {R::SouthernChinese, kOtherSkin, B::All, 0.1, 0.1},
    {R::SouthernChinese, kOesophagus, B::All, 1.2, 1.2},
    {R::SouthernChinese, kBladder, B::All, 0.4, 0.4},
    {R::SouthernChinese, kTestis, B::All, 0.2, 1},
    {R::SouthernChinese, kHodgkin, B::All, 0.2, 0.2},
    {R::SouthernChinese, kMyeloma, B::All, 0.4, 0.4},

    {R::ChineseMigrant, kNasopharynx, B::All, 20.0, 12.0},
    {R::ChineseMigrant, kLiver, B::All, 2.5, 2.5},
    {R::ChineseMigrant, kStomach, B::All, 0.9, 0.9},
    {R::ChineseMigrant, kLung, B::All, 0.9, 1.2},
    {R::ChineseMigrant, kBreast, B::All, 0.75, 0.75},
    {R::ChineseMigrant, kProstate, B::All, 0.6, 1},
    {R::ChineseMigrant, kMelanoma, B::All, 0.08, 0.08},
    {R::ChineseMigrant, kOtherSkin, B::All, 0.1, 0.1},
    {R::ChineseMigrant, kTestis, B::All, 0.3, 1},

    {R::Japan, kStomach, B::All, 4.0, 3.3},
    {R::Japan, kLiver, B::All, 2.5, 1.5},
    {R::Japan, kGallbladder, B::All, 3.0, 3.0},
    {R::Japan, kBiliary, B::All, 3.0, 3.0},
    {R::Japan, kLung, B::All, 0.85, 0.8},
    {R::Japan, kBreast, B::All, 0.4, 0.4},
    {R::Japan, kProstate, B::All, 0.2, 1},
    {R::Japan, kMelanoma, B::All, 0.04, 0.04},
    {R::Japan, kOtherSkin, B::All, 0.1, 0.1},
    {R::Japan, kBladder, B::All, 0.5, 0.5},
    {R::Japan, kOesophagus, B::All, 1.3, 0.8},
    {R::Japan, kCorpus, B::All, 1, 0.35},
    {R::Japan, kOvary, B::All, 1, 0.7},
    {R::Japan, kTestis, B::All, 0.4, 1},
    {R::Japan, kHodgkin, B::All, 0.2, 0.2},
    {R::Japan, kLymphoma, B::All, 0.6, 0.6},
    {R::Japan, kMyeloma, B::All, 0.7, 0.7},

    {R::JapaneseMigrant, kStomach, B::All, 2.0, 1.8},
    {R::JapaneseMigrant, kProstate, B::All, 0.8, 1},
    {R::JapaneseMigrant, kBreast, B::All, 0.8, 0.8},
    {R::JapaneseMigrant, kColon, B::All, 1.3, 1.3},
    {R::JapaneseMigrant, kGallbladder, B::All, 1.8, 1.8},
    {R::JapaneseMigrant, kMelanoma, B::All, 0.1, 0.1},
    {R::JapaneseMigrant, kOtherSkin, B::All, 0.15, 0.15},
    {R::JapaneseMigrant, kLung, B::All, 0.8, 0.8},
    {R::JapaneseMigrant, kLiver, B::All, 1.3, 1.3},

    {R::Korea, kStomach, B::All, 5.0, 3.5},
    {R::Korea, kLiver, B::All, 5.0, 3.0},
    {R::Korea, kLung, B::All, 1.0, 0.7},
    {R::Korea, kThyroid, B::All, 1, 1.5},
    {R::Korea, kBreast, B::All, 0.3, 0.3},
    {R::Korea, kProstate, B::All, 0.1, 1},
    {R::Korea, kColon, B::All, 0.55, 0.55},
    {R::Korea, kMelanoma, B::All, 0.05, 0.05},
    {R::Korea, kOtherSkin, B::All, 0.1, 0.1},
    {R::Korea, kCervix, B::All, 1, 1.6},
    {R::Korea, kOesophagus, B::All, 1.2, 0.3},
    {R::Korea, kBladder, B::All, 0.4, 0.4},
    {R::Korea, kCorpus, B::All, 1, 0.3},
    {R::Korea, kGallbladder, B::All, 2.0, 2.0},

    {R::SouthAsia, kOral, B::All, 3.5, 3.5},
    {R::SouthAsia, kHypopharynx, B::All, 3.0, 2.0},
    {R::SouthAsia, kOesophagus, B::All, 1.5, 2.2},
    {R::SouthAsia, kCervix, B::All, 1, 2.3},
    {R::SouthAsia, kBreast, B::All, 0.4, 0.4},
    {R::SouthAsia, kLung, B::All, 0.25, 0.2},
    {R::SouthAsia, kColon, B::All, 0.2, 0.2},
    {R::SouthAsia, kRectum, B::All, 0.35, 0.35},
    {R::SouthAsia, kStomach, B::All, 0.35, 0.35},
    {R::SouthAsia, kLiver, B::All, 0.5, 0.5},
    {R::SouthAsia, kProstate, B::All, 0.12, 1},
    {R::SouthAsia, kMelanoma, B::All, 0.05, 0.05},
    {R::SouthAsia, kOtherSkin, B::All, 0.05, 0.05},
    {R::SouthAsia, kBladder, B::All, 0.2, 0.2},
    {R::SouthAsia, kGallbladder, B::All, 0.8, 2.5},
    {R::SouthAsia, kCorpus, B::All, 1, 0.15},
    {R::SouthAsia, kTestis, B::All, 0.15, 1},
    {R::SouthAsia, kKidney, B::All, 0.2, 0.2},
    {R::SouthAsia, kLymphoma, B::All, 0.4, 0.4},
    {R::SouthAsia, kLeukaemia, B::All, 0.6, 0.6},
    {R::SouthAsia, kPancreas, B::All, 0.2, 0.2},

    {R::SoutheastAsia, kLiver, B::All, 3.0, 2.0},
    {R::SoutheastAsia, kCervix, B::All, 1, 2.0},
    {R::SoutheastAsia, kLung, B::All, 0.8, 0.9},
    {R::SoutheastAsia, kStomach, B::All, 0.6, 0.6},
    {R::SoutheastAsia, kBreast, B::All, 0.4, 0.4},
    {R::SoutheastAsia, kProstate, B::All, 0.15, 1},
    {R::SoutheastAsia, kColon, B::All, 0.5, 0.5},
    {R::SoutheastAsia, kNasopharynx, B::All, 3.0, 2.0},
    {R::SoutheastAsia, kMelanoma, B::All, 0.05, 0.05},
    {R::SoutheastAsia, kOtherSkin, B::All, 0.1, 0.1},
    {R::SoutheastAsia, kBladder, B::All, 0.3, 0.3},
    {R::SoutheastAsia, kThyroid, B::All, 1, 1.2},
    {R::SoutheastAsia, kCorpus, B::All, 1, 0.3},
    {R::SoutheastAsia, kTestis, B::All, 0.2, 1},

    {R::Filipino, kThyroid, B::All, 1.5, 3.0},
    {R::Filipino, kLiver, B::All, 2.0, 1.5},
    {R::Filipino, kBreast, B::All, 0.9, 0.9},
    {R::Filipino, kProstate, B::All, 0.7, 1},
    {R::Filipino, kColon, B::All, 0.8, 0.8},
    {R::Filipino, kNasopharynx, B::All, 3.0, 3.0},
    {R::Filipino, kStomach, B::All, 0.8, 0.8},
    {R::Filipino, kMelanoma, B::All, 0.05, 0.05},
    {R::Filipino, kOtherSkin, B::All, 0.1, 0.1},
    {R::Filipino, kLeukaemia, B::All, 1.2, 1.2},

    {R::WestAsia, kAllSites, B::All, 0.55, 0.55},
    {R::WestAsia, kLymphoma, B::All, 1.6, 1.6},
    {R::WestAsia, kLeukaemia, B::All, 1.3, 1.3},
    {R::WestAsia, kThyroid, B::All, 1.5, 1.5},
    {R::WestAsia, kBladder, B::All, 1.2, 1},
    {R::WestAsia, kBreast, B::All, 0.8, 0.8},
    {R::WestAsia, kLung, B::All, 0.7, 0.4},
    {R::WestAsia, kColon, B::All, 0.7, 0.7},
    {R::WestAsia, kProstate, B::All, 0.35, 1},
    {R::WestAsia, kMelanoma, B::All, 0.15, 0.15},
    {R::WestAsia, kOtherSkin, B::All, 0.2, 0.2},
    {R::WestAsia, kLiver, B::All, 1.2, 1.2},
    {R::WestAsia, kCervix, B::All, 1, 0.4},

    {R::IsraeliJews, kLung, B::All, 0.55, 0.6},
    {R::IsraeliJews, kBreast, B::All, 1.15, 1.15},
    {R::IsraeliJews, kColon, B::All, 1.2, 1.2},
    {R::IsraeliJews, kBladder, B::All, 1.4, 1.4},
    {R::IsraeliJews, kMelanoma, B::All, 1.5, 1.5},
    {R::IsraeliJews, kOtherSkin, B::All, 1.3, 1.3},
    {R::IsraeliJews, kCervix, B::All, 1, 0.35},
    {R::IsraeliJews, kStomach, B::All, 0.7, 0.7},
    {R::IsraeliJews, kLymphoma, B::All, 1.3, 1.3},
    {R::IsraeliJews, kProstate, B::All, 0.8, 1},
    {R::IsraeliJews, kOral, B::All, 0.5, 0.5},

    {R::NorthernEurope, kStomach, B::All, 0.8, 0.8},
    {R::NorthernEurope, kMelanoma, B::All, 1.4, 1.4},
    {R::NorthernEurope, kLung, B::All, 0.75, 1.0},
    {R::NorthernEurope, kProstate, B::All, 1.2, 1},
    {R::NorthernEurope, kOral, B::All, 0.6, 0.6},
    {R::NorthernEurope, kLarynx, B::All, 0.5, 0.5},
    {R::NorthernEurope, kLiver, B::All, 0.4, 0.4},
    {R::NorthernEurope, kKidney, B::All, 1.3, 1.3},
    {R::NorthernEurope, kTestis, B::All, 1.2, 1},

    {R::WesternEurope, kLung, B::All, 1.2, 0.8},
    {R::WesternEurope, kBladder, B::All, 1.2, 1.2},
    {R::WesternEurope, kKidney, B::All, 1.2, 1.2},
    {R::WesternEurope, kLiver, B::All, 0.7, 0.7},

    {R::France, kOral, B::All, 2.2, 0.8},
    {R::France, kOesophagus, B::All, 2.2, 0.6},
    {R::France, kLarynx, B::All, 2.0, 0.6},
    {R::France, kLiver, B::All, 1.6, 0.6},
    {R::France, kLung, B::All, 1.1, 0.45},
    {R::France, kBreast, B::All, 1.1, 1.1},
    {R::France, kStomach, B::All, 0.6, 0.6},
    {R::France, kBladder, B::All, 1.3, 0.7},

    {R::BritishIsles, kLung, B::All, 1.25, 1.6},
    {R::BritishIsles, kOesophagus, B::All, 1.2, 1.7},
    {R::BritishIsles, kProstate, B::All, 0.75, 1},
    {R::BritishIsles, kMelanoma, B::All, 0.8, 0.8},
    {R::BritishIsles, kOral, B::All, 0.6, 0.6},
    {R::BritishIsles, kCervix, B::All, 1, 1.2},

    {R::SouthernEurope, kStomach, B::All, 1.6, 1.4},
    {R::SouthernEurope, kLarynx, B::All, 1.8, 0.5},
    {R::SouthernEurope, kLung, B::All, 1.2, 0.45},
    {R::SouthernEurope, kOral, B::All, 1.3, 0.5},
    {R::SouthernEurope, kLiver, B::All, 2.5, 1.6},
    {R::SouthernEurope, kBreast, B::All, 0.9, 0.9},
    {R::SouthernEurope, kProstate, B::All, 0.65, 1},
    {R::SouthernEurope, kBladder, B::All, 1.5, 0.6},
    {R::SouthernEurope, kMelanoma, B::All, 0.6, 0.6},
    {R::SouthernEurope, kOtherSkin, B::All, 0.8, 0.8},
    {R::SouthernEurope, kThyroid, B::All, 1.2, 1.2},
    {R::SouthernEurope, kCervix, B::All, 1, 0.8},

    {R::EasternEurope, kStomach, B::All, 2.2, 1.7},
    {R::EasternEurope, kLung, B::All, 1.5, 0.6},
    {R::EasternEurope, kLarynx, B::All, 1.7, 0.4},
    {R::EasternEurope, kOral, B::All, 1.4, 0.5},
    {R::EasternEurope, kBreast, B::All, 0.65, 0.65},
    {R::EasternEurope, kProstate, B::All, 0.45, 1},
    {R::EasternEurope, kColon, B::All, 0.85, 0.85},
    {R::EasternEurope, kRectum, B::All, 1.2, 1.2},
    {R::EasternEurope, kMelanoma, B::All, 0.45, 0.45},
    {R::EasternEurope, kOtherSkin, B::All, 0.6, 0.6},
    {R::EasternEurope, kCervix, B::All, 1, 1.9},
    {R::EasternEurope, kPancreas, B::All, 1.2, 1.2},
    {R::EasternEurope, kKidney, B::All, 1.3, 1.3},
    {R::EasternEurope, kBladder, B::All, 0.9, 0.6},
    {R::EasternEurope, kTestis, B::All, 0.6, 1},

    {R::Oceania, kMelanoma, B::All, 3.2, 3.0},
    {R::Oceania, kOtherSkin, B::All, 3.0, 3.0},
    {R::Oceania, kLip, B::All, 4.0, 2.0},
    {R::Oceania, kProstate, B::All, 1.35, 1},
    {R::Oceania, kColon, B::All, 1.25, 1.25},
    {R::Oceania, kRectum, B::All, 1.2, 1.2},
    {R::Oceania, kLymphoma, B::All, 1.25, 1.25},
    {R::Oceania, kLung, B::All, 0.95, 0.95},

    {R::Pacific, kLung, B::All, 1.5, 2.0},
    {R::Pacific, kStomach, B::All, 1.8, 1.6},
    {R::Pacific, kBreast, B::All, 1.25, 1.25},
    {R::Pacific, kLiver, B::All, 1.3, 1.3},
    {R::Pacific, kMelanoma, B::All, 0.15, 0.15},
    {R::Pacific, kOtherSkin, B::All, 0.2, 0.2},
    {R::Pacific, kCervix, B::All, 1, 1.3},
    {R::Pacific, kCorpus, B::All, 1, 1.3},
    {R::Pacific, kNasopharynx, B::All, 2.0, 2.0},
};

// population, cancer row, male, female
constexpr LocalRisk kLocalRisks[] = {
    {74, kStomach, 4.0, 3.5},       // Changle: a high-risk area for stomach cancer
    {75, kOesophagus, 8.0, 8.0},    // Cixian: oesophagus
    {75, kStomach, 2.0, 2.0},       //
    {77, kColon, 1.8, 1.8},         // Jiashan: colorectal
    {77, kRectum, 1.8, 1.8},        //
    {78, kLiver, 3.5, 3.0},         // Qidong: liver
    {121, kLiver, 5.0, 6.0},        // Khon Kaen: liver flukes and cholangiocarcinoma
    {152, kMesothelioma, 5.0, 3.0}, // Genoa: shipyards
    {153, kMesothelioma, 6.0, 4.0}, // Liguria
    {87, kOral, 2.5, 1.5},          // Karunagappally: chewing habits
    {112, kOral, 1.8, 1.5},         // South Karachi
    {112, kBreast, 1, 2.0},         //
    {13, kStomach, 1.5, 1.5},       // Quito
    {124, kLung, 1.6, 1.0},         // Hanoi
    {23, kNasopharynx, 10.0, 10.0}, // Northwest Territories
    {23, kLung, 2.0, 2.0},          //
    {216, kLiver, 3.0, 3.0},        // Northern Territory
    {216, kCervix, 1, 2.0},         //
    {86, kGallbladder, 1, 2.5},     // Delhi
    {68, kLung, 0.5, 0.5},          // Utah: few smokers
    {120, kLung, 1, 3.0},           // Chiang Mai: lung cancer in women
    {122, kLung, 1.5, 2.5},         // Lampang
};

// region, name, verification (% in a mature registry)
constexpr RegionFacts kRegionFacts[] = {
    {R::NorthAmericaWhite, "North America, white", 95},
    {R::NorthAmericaBlack, "North America, black", 93},
    {R::Hispanic, "North America, Hispanic", 93},
    {R::AmericanIndian, "North America, American Indian", 92},
    {R::LatinAmerica, "Latin America", 80},
    {R::SouthernCone, "Argentina and Uruguay", 82},
    {R::Caribbean, "Caribbean", 82},
    {R::NorthAfrica, "North Africa", 85},
    {R::WestAfrica, "West Africa", 50},
    {R::EastAfrica, "East Africa", 58},
    {R::China, "China", 72},
    {R::SouthernChinese, "Southern Chinese", 85},
    {R::ChineseMigrant, "Chinese abroad", 94},
    {R::Japan, "Japan", 82},
    {R::JapaneseMigrant, "Japanese abroad", 94},
    {R::Korea, "Korea", 85},
    {R::SouthAsia, "South Asia", 84},
    {R::SoutheastAsia, "South-East Asia", 76},
    {R::Filipino, "Filipino", 92},
    {R::WestAsia, "West Asia", 90},
    {R::IsraeliJews, "Israel, Jews", 90},
    {R::NorthernEurope, "Northern Europe", 93},
    {R::WesternEurope, "Western Europe", 92},
    {R::France, "France", 93},
    {R::BritishIsles, "British Isles", 86},
    {R::SouthernEurope, "Southern Europe", 87},
    {R::EasternEurope, "Eastern Europe", 82},
    {R::Oceania, "Australia and New Zealand", 93},
    {R::Pacific, "Pacific Islanders", 92},
};

// country code, year its first registry began
constexpr CountryRegistry kCountryRegistries[] = {
    {0, 1990},  {1, 1986},  {2, 1986},  {3, 1960},  {4, 1986},  {5, 1989},  {6, 1980},  {7, 1962},
    {8, 1977},  {9, 1964},  {10, 1985}, {11, 1989}, {12, 1969}, {13, 1973}, {14, 1972}, {15, 1964},
    {16, 1960}, {17, 1957}, {18, 1980}, {19, 1974}, {20, 1996}, {21, 1995}, {22, 1974}, {23, 1968},
    {24, 1988}, {25, 1991}, {26, 1970}, {27, 1973}, {28, 1990}, {29, 1959}, {30, 1976}, {31, 1943},
    {32, 1968}, {33, 1953}, {34, 1975}, {35, 1967}, {36, 1955}, {37, 1994}, {38, 1978}, {39, 1990},
    {40, 1988}, {41, 1991}, {42, 1989}, {43, 1952}, {44, 1963}, {45, 1988}, {46, 1993}, {47, 1968},
    {48, 1950}, {49, 1980}, {50, 1958}, {51, 1970}, {52, 1962}, {53, 1966}, {54, 1972}, {55, 1948},
};

} // namespace

std::span<const RiskMultiplier> riskMultipliers() { return kRiskMultipliers; }
std::span<const LocalRisk> localRisks() { return kLocalRisks; }
std::span<const RegionFacts> regionFacts() { return kRegionFacts; }
std::span<const CountryRegistry> countryRegistries() { return kCountryRegistries; }

} // namespace orvelan::mkdata
