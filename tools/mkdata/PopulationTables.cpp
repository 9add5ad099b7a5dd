// Sizes, risk regions and age structures of the 229 populations, the aggregates built from
// their parts, and the registry facts that are not drawn at random.
#include "ModelTables.h"

namespace orvelan::mkdata {

namespace {

using R = Region;
using A = AgeStructure;

// population, mid-period size (thousands, both sexes), region, age structure
constexpr PopulationModel kPopulationModels[] = {
    {0, 2500, R::NorthAfrica, A::Intermediate},         // Algiers
    {1, 650, R::Caribbean, A::Intermediate},            // La Reunion
    {2, 1100, R::WestAfrica, A::Young},                 // The Gambia
    {3, 800, R::WestAfrica, A::Young},                  // Bamako
    {4, 1000, R::EastAfrica, A::Young},                 // Kyadondo County
    {5, 1000, R::EastAfrica, A::Young},                 // Harare: African
    {6, 300, R::SouthernCone, A::Transitional},         // Bahia Blanca
    {7, 150, R::SouthernCone, A::Transitional},         // Concordia
    {8, 900, R::LatinAmerica, A::Intermediate},         // Campinas
    {9, 1000, R::LatinAmerica, A::Intermediate},        // Goiania
    {10, 1800, R::LatinAmerica, A::Intermediate},       // Cali
    {11, 3300, R::LatinAmerica, A::Intermediate},       // Costa Rica
    {12, 820, R::Caribbean, A::Transitional},           // Villa Clara
    {13, 1300, R::LatinAmerica, A::Intermediate},       // Quito
    {14, 370, R::Caribbean, A::Transitional},           // Martinique
    {15, 3600, R::Caribbean, A::Transitional},          // Puerto Rico
    {16, 1350, R::SouthernCone, A::Transitional},       // Montevideo
    {17, 28880, R::NorthAmericaWhite, A::Old},          // Canada (its provinces)
    {18, 2700, R::NorthAmericaWhite, A::Old},           // Alberta
    {19, 3600, R::NorthAmericaWhite, A::Old},           // British Columbia
    {20, 1120, R::NorthAmericaWhite, A::Old},           // Manitoba
    {21, 750, R::NorthAmericaWhite, A::Old},            // New Brunswick
    {22, 560, R::NorthAmericaWhite, A::Old},            // Newfoundland
    {23, 65, R::NorthAmericaWhite, A::Intermediate},    // Northwest Territories
    {24, 920, R::NorthAmericaWhite, A::Old},            // Nova Scotia
    {25, 10800, R::NorthAmericaWhite, A::Old},          // Ontario
    {26, 135, R::NorthAmericaWhite, A::Old},            // Prince Edward Island
    {27, 7200, R::NorthAmericaWhite, A::Old},           // Quebec
    {28, 1000, R::NorthAmericaWhite, A::Old},           // Saskatchewan
    {29, 30, R::NorthAmericaWhite, A::Intermediate},    // Yukon
    {30, 9000, R::ChineseMigrant, A::Transitional},     // California, Los Angeles
    {31, 3780, R::NorthAmericaWhite, A::Old},           //   Non-Hispanic White
    {32, 3240, R::Hispanic, A::Intermediate},           //   Hispanic White
    {33, 990, R::NorthAmericaBlack, A::Transitional},   //  Black
    {34, 270, R::ChineseMigrant, A::Transitional},      //   Chinese
    {35, 225, R::Filipino, A::Transitional},            //   Filipino
    {36, 135, R::JapaneseMigrant, A::Old},              //   Japanese
    {37, 160, R::Korea, A::Transitional},               //   Korean
    {38, 3200, R::ChineseMigrant, A::Transitional},     // California, San Francisco
    {39, 1760, R::NorthAmericaWhite, A::Old},           //   Non-Hispanic White
    {40, 450, R::Hispanic, A::Intermediate},            //   Hispanic White
    {41, 290, R::NorthAmericaBlack, A::Transitional},   //  Black
    {42, 3280, R::NorthAmericaWhite, A::Old},           // Connecticut
    {43, 2890, R::NorthAmericaWhite, A::Old},           //   White
    {44, 270, R::NorthAmericaBlack, A::Transitional},   //  Black
    {45, 2900, R::NorthAmericaWhite, A::Old},           // Georgia, Atlanta
    {46, 2030, R::NorthAmericaWhite, A::Old},           //   White
    {47, 780, R::NorthAmericaBlack, A::Transitional},   //  Black
    {48, 2850, R::NorthAmericaWhite, A::Old},           // Iowa
    {49, 600, R::NorthAmericaWhite, A::Old},            // Louisiana, Central Region
    {50, 420, R::NorthAmericaWhite, A::Old},            //   White
    {51, 175, R::NorthAmericaBlack, A::Transitional},   //  Black
    {52, 1250, R::NorthAmericaWhite, A::Old},           // Louisiana, New Orleans
    {53, 750, R::NorthAmericaWhite, A::Old},            //   White
    {54, 475, R::NorthAmericaBlack, A::Transitional},   //  Black
    {55, 4000, R::NorthAmericaWhite, A::Old},           // Michigan, Detroit
    {56, 3040, R::NorthAmericaWhite, A::Old},           //   White
    {57, 880, R::NorthAmericaBlack, A::Transitional},   //  Black
    {58, 7900, R::NorthAmericaWhite, A::Old},           // New Jersey
    {59, 6480, R::NorthAmericaWhite, A::Old},           //   White
    {60, 1100, R::NorthAmericaBlack, A::Transitional},  // Black
    {61, 1650, R::NorthAmericaWhite, A::Old},           // New Mexico
    {62, 825, R::NorthAmericaWhite, A::Old},            //   Non-Hispanic White
    {63, 620, R::Hispanic, A::Intermediate},            //   Hispanic White
    {64, 150, R::AmericanIndian, A::Intermediate},      //   American Indian
    {65, 18100, R::NorthAmericaWhite, A::Old},          // New York State
    {66, 14500, R::NorthAmericaWhite, A::Old},          //   White
    {67, 2900, R::NorthAmericaBlack, A::Transitional},  // Black
    {68, 1900, R::NorthAmericaWhite, A::Transitional},  // Utah
    {69, 4100, R::NorthAmericaWhite, A::Old},           // Washington, Seattle
    {70, 30000, R::NorthAmericaWhite, A::Old},          // SEER
    {71, 24900, R::NorthAmericaWhite, A::Old},          //   White
    {72, 3300, R::NorthAmericaBlack, A::Transitional},  // Black
    {73, 6000, R::China, A::Transitional},              // Beijing
    {74, 650, R::China, A::Transitional},               // Changle
    {75, 600, R::China, A::Transitional},               // Cixian
    {76, 6200, R::SouthernChinese, A::Transitional},    // Hong Kong
    {77, 380, R::China, A::Transitional},               // Jiashan
    {78, 1100, R::China, A::Transitional},              // Qidong County
    {79, 7000, R::China, A::Transitional},              // Shanghai
    {80, 21000, R::SouthernChinese, A::Transitional},   // Taiwan
    {81, 4500, R::China, A::Transitional},              // Tianjin
    {82, 3800, R::China, A::Transitional},              // Wuhan
    {83, 3500, R::SouthAsia, A::Intermediate},          // Ahmedabad
    {84, 4800, R::SouthAsia, A::Intermediate},          // Bangalore
    {85, 4200, R::SouthAsia, A::Intermediate},          // Chennai (Madras)
    {86, 9500, R::SouthAsia, A::Intermediate},          // Delhi
    {87, 380, R::SouthAsia, A::Intermediate},           // Karunagappally
    {88, 10000, R::SouthAsia, A::Intermediate},         // Mumbai (Bombay)
    {89, 1800, R::SouthAsia, A::Intermediate},          // Nagpur
    {90, 2800, R::SouthAsia, A::Intermediate},          // Poona
    {91, 3000, R::SouthAsia, A::Intermediate},          // Trivandrum
    {92, 5600, R::IsraeliJews, A::Transitional},        // Israel (Jews and non-Jews)
    {93, 4560, R::IsraeliJews, A::Old},                 // Jews (by birthplace)
    {94, 2300, R::IsraeliJews, A::Young},               // Jews born in Israel
    {95, 1450, R::IsraeliJews, A::Old},                 // Jews born in Europe or America
    {96, 810, R::IsraeliJews, A::Old},                  // Jews born in Africa or Asia
    {97, 1040, R::WestAsia, A::Young},                  // Non-Jews
    {98, 1100, R::Japan, A::Old},                       // Hiroshima
    {99, 2300, R::Japan, A::Old},                       // Miyagi Prefecture
    {100, 1550, R::Japan, A::Old},                      // Nagasaki Prefecture
    {101, 8700, R::Japan, A::Old},                      // Osaka Prefecture
    {102, 880, R::Japan, A::Old},                       // Saga Prefecture
    {103, 1250, R::Japan, A::Old},                      // Yamagata Prefecture
    {104, 3800, R::Korea, A::Transitional},             // Busan
    {105, 2450, R::Korea, A::Transitional},             // Daegu
    {106, 70, R::Korea, A::Old},                        // Kangwha County
    {107, 10300, R::Korea, A::Transitional},            // Seoul
    {108, 1700, R::WestAsia, A::Young},                 // Kuwait (Kuwaitis and non-Kuwaitis)
    {109, 680, R::WestAsia, A::Young},                  // Kuwaitis
    {110, 1020, R::WestAsia, A::Migrant},               // Non-Kuwaitis
    {111, 1700, R::WestAsia, A::Young},                 // Omani
    {112, 1700, R::SouthAsia, A::Young},                // South Karachi
    {113, 1800, R::SoutheastAsia, A::Intermediate},     // Manila
    {114, 3000, R::SoutheastAsia, A::Intermediate},     // Rizal
    {115, 3000, R::SouthernChinese, A::Transitional},   // Singapore
    {116, 2310, R::SouthernChinese, A::Transitional},   //  Chinese
    {117, 210, R::SouthAsia, A::Transitional},          //   Indian
    {118, 420, R::SoutheastAsia, A::Intermediate},      //   Malay
    {119, 5600, R::SoutheastAsia, A::Transitional},     // Bangkok
    {120, 1500, R::SoutheastAsia, A::Intermediate},     // Chiang Mai
    {121, 1700, R::SoutheastAsia, A::Intermediate},     // Khon Kaen
    {122, 780, R::SoutheastAsia, A::Intermediate},      // Lampang
    {123, 1200, R::SoutheastAsia, A::Intermediate},     // Songkhla
    {124, 2400, R::SoutheastAsia, A::Intermediate},     // Hanoi
    {125, 4600, R::SoutheastAsia, A::Intermediate},     // Ho Chi Minh City
    {126, 650, R::WesternEurope, A::Old},               // Tyrol
    {127, 340, R::WesternEurope, A::Old},               // Vorarlberg
    {128, 10300, R::EasternEurope, A::Old},             // Belarus
    {129, 5000, R::WesternEurope, A::Old},              // Flanders
    {130, 780, R::WesternEurope, A::Old},               // Limburg
    {131, 4600, R::EasternEurope, A::Old},              // Croatia
    {132, 10300, R::EasternEurope, A::Old},             // Czech Republic
    {133, 5200, R::NorthernEurope, A::Old},             // Denmark
    {134, 1500, R::EasternEurope, A::Old},              // Estonia
    {135, 5100, R::NorthernEurope, A::Old},             // Finland
    {136, 950, R::France, A::Old},                      // Bas-Rhin
    {137, 620, R::France, A::Old},                      // Calvados
    {138, 500, R::France, A::Old},                      // Cote d'Or
    {139, 480, R::France, A::Old},                      // Doubs
    {140, 690, R::France, A::Old},                      // Haut-Rhin
    {141, 850, R::France, A::Old},                      // Herault
    {142, 1050, R::France, A::Old},                     // Isere
    {143, 480, R::France, A::Old},                      // Manche
    {144, 550, R::France, A::Old},                      // Somme
    {145, 340, R::France, A::Old},                      // Tarn
    {146, 1080, R::WesternEurope, A::Old},              // Saarland
    {147, 270, R::NorthernEurope, A::Transitional},     // Iceland
    {148, 3600, R::BritishIsles, A::Transitional},      // Ireland
    {149, 190, R::SouthernEurope, A::Old},              // Biella Province
    {150, 350, R::SouthernEurope, A::Old},              // Ferrara Province
    {151, 1200, R::SouthernEurope, A::Old},             // Florence
    {152, 900, R::SouthernEurope, A::Old},              // Genoa Province
    {153, 1650, R::SouthernEurope, A::Old},             // Liguria
    {154, 300, R::SouthernEurope, A::Old},              // Macerata Province
    {155, 600, R::SouthernEurope, A::Old},              // Modena Province
    {156, 1100, R::SouthernEurope, A::Old},             // North East
    {157, 390, R::SouthernEurope, A::Old},              // Parma Province
    {158, 300, R::SouthernEurope, A::Old},              // Ragusa Province
    {159, 1050, R::SouthernEurope, A::Old},             // Romagna
    {160, 450, R::SouthernEurope, A::Old},              // Sassari
    {161, 920, R::SouthernEurope, A::Old},              // Torino
    {162, 830, R::SouthernEurope, A::Old},              // Umbria
    {163, 820, R::SouthernEurope, A::Old},              // Varese Province
    {164, 2300, R::SouthernEurope, A::Old},             // Venetian Region
    {165, 2500, R::EasternEurope, A::Old},              // Latvia
    {166, 3700, R::EasternEurope, A::Old},              // Lithuania
    {167, 375, R::SouthernEurope, A::Old},              // Malta
    {168, 15600, R::WesternEurope, A::Old},             // The Netherlands
    {169, 950, R::WesternEurope, A::Old},               // Eindhoven
    {170, 650, R::WesternEurope, A::Old},               // Maastricht
    {171, 4400, R::NorthernEurope, A::Old},             // Norway
    {172, 750, R::EasternEurope, A::Old},               // Cracow
    {173, 1130, R::EasternEurope, A::Old},              // Kielce
    {174, 2900, R::EasternEurope, A::Old},              // Lower Silesia
    {175, 1650, R::EasternEurope, A::Old},              // Warsaw city
    {176, 260, R::SouthernEurope, A::Old},              // Vila Nova de Gaia
    {177, 4800, R::EasternEurope, A::Old},              // St Petersburg
    {178, 5370, R::EasternEurope, A::Old},              // Slovakia
    {179, 1990, R::EasternEurope, A::Old},              // Slovenia
    {180, 360, R::SouthernEurope, A::Old},              // Albacete
    {181, 1090, R::SouthernEurope, A::Old},             // Asturias
    {182, 1600, R::SouthernEurope, A::Transitional},    // Canary Islands
    {183, 200, R::SouthernEurope, A::Old},              // Cuenca
    {184, 540, R::SouthernEurope, A::Old},              // Girona
    {185, 800, R::SouthernEurope, A::Old},              // Granada
    {186, 640, R::SouthernEurope, A::Old},              // Mallorca
    {187, 1100, R::SouthernEurope, A::Old},             // Murcia
    {188, 530, R::SouthernEurope, A::Old},              // Navarra
    {189, 560, R::SouthernEurope, A::Old},              // Tarragona
    {190, 850, R::SouthernEurope, A::Old},              // Zaragoza
    {191, 8800, R::NorthernEurope, A::Old},             // Sweden
    {192, 450, R::WesternEurope, A::Old},               // Basel
    {193, 400, R::WesternEurope, A::Old},               // Geneva
    {194, 220, R::WesternEurope, A::Old},               // Graubunden and Glarus
    {195, 165, R::WesternEurope, A::Old},               // Neuchatel
    {196, 560, R::WesternEurope, A::Old},               // St Gall-Appenzell
    {197, 300, R::SouthernEurope, A::Old},              // Ticino
    {198, 270, R::WesternEurope, A::Old},               // Valais
    {199, 600, R::WesternEurope, A::Old},               // Vaud
    {200, 1180, R::WesternEurope, A::Old},              // Zurich
    {201, 49000, R::BritishIsles, A::Old},              // England (its regions and the rest)
    {202, 2100, R::BritishIsles, A::Old},               //   East Anglia
    {203, 2400, R::BritishIsles, A::Old},               //   Merseyside and Cheshire
    {204, 4000, R::BritishIsles, A::Old},               //   North Western
    {205, 2600, R::BritishIsles, A::Old},               //   Oxford Region
    {206, 6800, R::BritishIsles, A::Old},               //   South Thames
    {207, 6500, R::BritishIsles, A::Old},               //   South and Western Regions
    {208, 5100, R::BritishIsles, A::Old},               //   Trent
    {209, 5300, R::BritishIsles, A::Old},               //   West Midlands Region
    {210, 3700, R::BritishIsles, A::Old},               //   Yorkshire
    {211, 1650, R::BritishIsles, A::Transitional},      // Northern Ireland
    {212, 5100, R::BritishIsles, A::Old},               // Scotland
    {213, 2000, R::EasternEurope, A::Old},              // Vojvodina
    {214, 300, R::Oceania, A::Transitional},            // Capital Territory
    {215, 6100, R::Oceania, A::Old},                    // New South Wales
    {216, 180, R::Oceania, A::Intermediate},            // Northern Territory
    {217, 3300, R::Oceania, A::Old},                    // Queensland
    {218, 1470, R::Oceania, A::Old},                    // South
    {219, 470, R::Oceania, A::Old},                     // Tasmania
    {220, 4500, R::Oceania, A::Old},                    // Victoria
    {221, 1750, R::Oceania, A::Old},                    // Western
    {222, 3650, R::Oceania, A::Old},                    // New Zealand
    {223, 1180, R::NorthAmericaWhite, A::Transitional}, // Hawaii
    {224, 280, R::Oceania, A::Old},                     //   White
    {225, 60, R::ChineseMigrant, A::Old},               //   Chinese
    {226, 140, R::Filipino, A::Transitional},           //   Filipino
    {227, 240, R::Pacific, A::Intermediate},            //   Hawaiian
    {228, 240, R::JapaneseMigrant, A::Old},             //   Japanese
};

// aggregate, part
constexpr AggregatePart kAggregateParts[] = {
    {17, 18},   {17, 19},   {17, 20},   {17, 21},   {17, 22},   {17, 23},   {17, 24},   {17, 25},
    {17, 26},   {17, 27},   {17, 28},   {17, 29},   {30, 31},   {30, 32},   {30, 33},   {30, 34},
    {30, 35},   {30, 36},   {30, 37},   {38, 39},   {38, 40},   {38, 41},   {42, 43},   {42, 44},
    {45, 46},   {45, 47},   {49, 50},   {49, 51},   {52, 53},   {52, 54},   {55, 56},   {55, 57},
    {58, 59},   {58, 60},   {61, 62},   {61, 63},   {61, 64},   {65, 66},   {65, 67},   {70, 71},
    {70, 72},   {92, 93},   {92, 97},   {93, 94},   {93, 95},   {93, 96},   {108, 109}, {108, 110},
    {115, 116}, {115, 117}, {115, 118}, {201, 202}, {201, 203}, {201, 204}, {201, 205}, {201, 206},
    {201, 207}, {201, 208}, {201, 209}, {201, 210}, {223, 224}, {223, 225}, {223, 226}, {223, 227},
    {223, 228},
};

// Share of the population by age group 0-17, and males per female.
constexpr AgeStructureModel kAgeStructures[] = {
    {A::Young,
     {17, 15, 13, 11, 9.5, 8, 6.5, 5.3, 4.3, 3.4, 2.7, 2.1, 1.6, 1.1, 0.7, 0.4, 0.2, 0.1},
     {1.03, 1.03, 1.03, 1.02, 1.0, 0.98, 0.97, 0.97, 0.98, 0.98, 0.97, 0.95, 0.92, 0.88, 0.84, 0.8,
      0.75, 0.7}},
    {A::Intermediate,
     {11, 10.5, 10, 10, 9.5, 9, 8, 7, 6, 5, 4, 3.3, 2.7, 2, 1.4, 0.9, 0.5, 0.3},
     {1.04, 1.04, 1.04, 1.03, 1.0, 0.98, 0.97, 0.97, 0.97, 0.97, 0.96, 0.94, 0.91, 0.87, 0.82, 0.77,
      0.7, 0.62}},
    {A::Transitional,
     {7, 7.5, 8, 8.5, 9, 9.5, 9.5, 8.5, 7, 5.5, 4.5, 4, 3.5, 3, 2, 1.3, 0.7, 0.4},
     {1.07, 1.07, 1.06, 1.05, 1.04, 1.03, 1.02, 1.02, 1.01, 1.0, 0.98, 0.96, 0.93, 0.88, 0.82, 0.75,
      0.66, 0.55}},
    {A::Old,
     {6, 6.2, 6.3, 6.5, 7, 7.5, 7.8, 7.5, 7.2, 6.8, 6, 5.5, 5.3, 5, 4.2, 3.2, 2.2, 1.5},
     {1.05, 1.05, 1.05, 1.04, 1.03, 1.02, 1.02, 1.01, 1.0, 0.99, 0.98, 0.96, 0.93, 0.88, 0.8, 0.7,
      0.57, 0.42}},
    {A::Migrant,
     {5, 4.5, 4, 5, 12, 16, 16, 13, 9.5, 6, 3.5, 2, 1.2, 0.7, 0.4, 0.2, 0.1, 0.05},
     {1.05, 1.05, 1.05, 1.3, 1.9, 2.3, 2.4, 2.3, 2.1, 1.9, 1.7, 1.5, 1.3, 1.2, 1.1, 1.0, 0.9, 0.8}},
};

// Registries whose oldest age class opens at 70 (14), 75 (15) or 80 (16).
constexpr LastAgeGroup kEarlyLastAgeGroups[] = {
    {0, 15},   {2, 14},   {3, 14},   {4, 15},   {5, 15},   {10, 16},  {13, 16},  {83, 15},
    {84, 15},  {85, 15},  {86, 15},  {87, 15},  {88, 15},  {89, 14},  {90, 15},  {91, 15},
    {108, 16}, {111, 15}, {112, 15}, {113, 16}, {114, 16}, {121, 16}, {124, 15}, {125, 15},
};

constexpr UnknownAgePersonYears kUnknownAgePersonYears[] = {
    {3, 0.004}, {4, 0.006}, {13, 0.002}, {112, 0.003}, {124, 0.002},
};

// population, chapter: Changle and Cixian digestive organs, Cote d'Or haematological
// malignancies, Liguria mesothelial and soft tissues
constexpr SpecialisedRegistry kSpecialisedRegistries[] = {
    {74, 21},
    {75, 21},
    {138, 222},
    {153, 109},
};

// Populations whose data readers should treat with care.
constexpr PopulationMarker kPopulationMarkers[] = {
    {3, '*'}, {12, '*'}, {113, '*'}, {177, '*'}, {213, '*'},
};

constexpr int kVerificationNotAvailable[] = {12, 113, 177};

constexpr PeriodChoice kPeriodLengths[] = {
    {5, 0.72}, {4, 0.08}, {3, 0.07}, {6, 0.05}, {2, 0.04}, {1, 0.04},
};

constexpr PeriodChoice kPeriodEnds[] = {
    {1992, 0.10}, {1993, 0.10}, {1994, 0.15}, {1995, 0.15},
    {1996, 0.20}, {1997, 0.25}, {1998, 0.05},
};

} // namespace

std::span<const PopulationModel> populationModels() { return kPopulationModels; }
std::span<const AggregatePart> aggregateParts() { return kAggregateParts; }
std::span<const AgeStructureModel> ageStructures() { return kAgeStructures; }
std::span<const LastAgeGroup> earlyLastAgeGroups() { return kEarlyLastAgeGroups; }
std::span<const UnknownAgePersonYears> unknownAgePersonYears() { return kUnknownAgePersonYears; }
std::span<const SpecialisedRegistry> specialisedRegistries() { return kSpecialisedRegistries; }
std::span<const PopulationMarker> populationMarkers() { return kPopulationMarkers; }
std::span<const int> verificationNotAvailable() { return kVerificationNotAvailable; }
std::span<const PeriodChoice> periodLengths() { return kPeriodLengths; }
std::span<const PeriodChoice> periodEnds() { return kPeriodEnds; }

} // namespace orvelan::mkdata
