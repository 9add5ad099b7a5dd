#include "core/data/RegistryTable.h"

// The registry dictionary as shipped, in tree order. Each row: continent digit, two-digit
// country code (99 on continent rows), two-digit registry code, level digit, three-digit
// population number (999 on heading rows), then the name.
namespace orvelan::detail {

const std::array<std::string_view, kRegistryRowCount> kRegistryRows = {
    // Africa
    "199990999",                // 0
    "100001999",                // 1
    "100012000Algiers",         // 2
    "134001999",                // 3
    "134012001La Reunion",      // 4
    "101001002",                // 5
    "102001999",                // 6
    "102012003Bamako",          // 7
    "103001999",                // 8
    "103012004Kyadondo County", // 9
    "104001999",                // 10
    "104012005Harare: African", // 11
    // America, Central and South
    "299990999",             // 12
    "205001999",             // 13
    "205012006Bahia Blanca", // 14
    "205032007Concordia",    // 15
    "206001999",             // 16
    "206012008Campinas",     // 17
    "206022009Goiania",      // 18
    "207001999",             // 19
    "207012010Cali",         // 20
    "208001011",             // 21
    "209001999",             // 22
    "209012012Villa Clara",  // 23
    "210001999",             // 24
    "210012013Quito",        // 25
    "234001999",             // 26
    "234012014Martinique",   // 27
    "213001999",             // 28
    "213012015Puerto Rico",  // 29
    "211001999",             // 30
    "211012016Montevideo",   // 31
    // America, North
    "399990999",                          // 32
    "312001017",                          // 33
    "312012018Alberta",                   // 34
    "312022019British Columbia",          // 35
    "312032020Manitoba",                  // 36
    "312042021New Brunswick",             // 37
    "312052022Newfoundland",              // 38
    "312062023Northwest Territories",     // 39
    "312072024Nova Scotia",               // 40
    "312082025Ontario",                   // 41
    "312092026Prince Edward Island",      // 42
    "312102027Quebec",                    // 43
    "312112028Saskatchewan",              // 44
    "312122029Yukon",                     // 45
    "313001999",                          // 46
    "313012030California, Los Angeles",   // 47
    "313013031Non-Hispanic White",        // 48
    "313013032Hispanic White",            // 49
    "313013033Black",                     // 50
    "313013034Chinese",                   // 51
    "313013035Filipino",                  // 52
    "313013036Japanese",                  // 53
    "313013037Korean",                    // 54
    "313022038California, San Francisco", // 55
    "313023039Non-Hispanic White",        // 56
    "313023040Hispanic White",            // 57
    "313023041Black",                     // 58
    "313032042Connecticut",               // 59
    "313033043White",                     // 60
    "313033044Black",                     // 61
    "313042045Georgia, Atlanta",          // 62
    "313043046White",                     // 63
    "313043047Black",                     // 64
    "313052048Iowa",                      // 65
    "313062049Louisiana, Central Region", // 66
    "313063050White",                     // 67
    "313063051Black",                     // 68
    "313072052Louisiana, New Orleans",    // 69
    "313073053White",                     // 70
    "313073054Black",                     // 71
    "313082055Michigan, Detroit",         // 72
    "313083056White",                     // 73
    "313083057Black",                     // 74
    "313092058New Jersey",                // 75
    "313093059White",                     // 76
    "313093060Black",                     // 77
    "313102061New Mexico",                // 78
    "313103062Non-Hispanic White",        // 79
    "313103063Hispanic White",            // 80
    "313103064American Indian",           // 81
    "313112065New York State",            // 82
    "313113066White",                     // 83
    "313113067Black",                     // 84
    "313122068Utah",                      // 85
    "313132069Washington, Seattle",       // 86
    "313142070SEER",                      // 87
    "313143071White",                     // 88
    "313143072Black",                     // 89
    // Asia
    "499990999",                               // 90
    "414001999",                               // 91
    "414012073Beijing",                        // 92
    "414022074Changle",                        // 93
    "414032075Cixian",                         // 94
    "414042076Hong Kong",                      // 95
    "414052077Jiashan",                        // 96
    "414062078Qidong County",                  // 97
    "414072079Shanghai",                       // 98
    "414082080Taiwan",                         // 99
    "414082081Tianjin",                        // 100
    "414092082Wuhan",                          // 101
    "415001999",                               // 102
    "415012083Ahmedabad",                      // 103
    "415032084Bangalore",                      // 104
    "415072085Chennai (Madras)",               // 105
    "415052086Delhi",                          // 106
    "415062087Karunagappally",                 // 107
    "415042088Mumbai (Bombay)",                // 108
    "415082089Nagpur",                         // 109
    "415092090Poona",                          // 110
    "415102091Trivandrum",                     // 111
    "416001092",                               // 112
    "416012093Jews",                           // 113
    "416012094Jews born in Israel",            // 114
    "416012095Jews born in Europe or America", // 115
    "416012096Jews born in Africa or Asia",    // 116
    "416022097Non-Jews",                       // 117
    "417001999",                               // 118
    "417012098Hiroshima",                      // 119
    "417022099Miyagi Prefecture",              // 120
    "417032100Nagasaki Prefecture",            // 121
    "417042101Osaka Prefecture",               // 122
    "417052102Saga Prefecture",                // 123
    "417062103Yamagata Prefecture",            // 124
    "418001999",                               // 125
    "418012104Busan",                          // 126
    "418012105Daegu",                          // 127
    "418032106Kangwha County",                 // 128
    "418042107Seoul",                          // 129
    "419001108",                               // 130
    "419012109Kuwaitis",                       // 131
    "419022110Non-Kuwaitis",                   // 132
    "420001999",                               // 133
    "420012111Omani",                          // 134
    "421001999",                               // 135
    "421012112South Karachi",                  // 136
    "422001999",                               // 137
    "422012113Manila",                         // 138
    "422022114Rizal",                          // 139
    "423001115",                               // 140
    "423012116Chinese",                        // 141
    "423022117Indian",                         // 142
    "423032118Malay",                          // 143
    "424001999",                               // 144
    "424012119Bangkok",                        // 145
    "424012120Chiang Mai",                     // 146
    "424022121Khon Kaen",                      // 147
    "424012122Lampang",                        // 148
    "424032123Songkhla",                       // 149
    "425001999",                               // 150
    "425012124Hanoi",                          // 151
    "425022125Ho Chi Minh City",               // 152
    // Europe
    "599990999",                          // 153
    "526001999",                          // 154
    "526012126Tyrol",                     // 155
    "526022127Vorarlberg",                // 156
    "527001128",                          // 157
    "528001999",                          // 158
    "528012129Flanders (excl. Limburg)",  // 159
    "528022130Limburg",                   // 160
    "529001131",                          // 161
    "530001132",                          // 162
    "531001133",                          // 163
    "532001134",                          // 164
    "533001135",                          // 165
    "534001999",                          // 166
    "534012136Bas-Rhin",                  // 167
    "534022137Calvados",                  // 168
    "534032138Cote d'Or",                 // 169
    "534042139Doubs",                     // 170
    "534052140Haut-Rhin",                 // 171
    "534062141Herault",                   // 172
    "534072142Isere",                     // 173
    "534092143Manche",                    // 174
    "534112144Somme",                     // 175
    "534122145Tarn",                      // 176
    "535001999",                          // 177
    "535012146Saarland",                  // 178
    "536001147",                          // 179
    "537001148",                          // 180
    "538001999",                          // 181
    "538012149Biella Province",           // 182
    "538022150Ferrara Province",          // 183
    "538032151Florence",                  // 184
    "538052152Genoa Province",            // 185
    "538052153Liguria",                   // 186
    "538062154Macerata Province",         // 187
    "538072155Modena Province",           // 188
    "538042156North East",                // 189
    "538092157Parma Province",            // 190
    "538112158Ragusa Province",           // 191
    "538122159Romagna",                   // 192
    "538132160Sassari",                   // 193
    "538142161Torino",                    // 194
    "538102162Umbria",                    // 195
    "538152163Varese Province",           // 196
    "538162164Venetian Region",           // 197
    "539001165",                          // 198
    "540001166",                          // 199
    "541001167",                          // 200
    "542001168",                          // 201
    "542012169Eindhoven",                 // 202
    "542022170Maastricht",                // 203
    "543001171",                          // 204
    "544001999",                          // 205
    "544012172Cracow",                    // 206
    "544022173Kielce",                    // 207
    "544032174Lower Silesia",             // 208
    "544042175Warsaw city",               // 209
    "545001999",                          // 210
    "545012176Vila Nova de Gaia",         // 211
    "546001999",                          // 212
    "546012177St Petersburg",             // 213
    "547001178",                          // 214
    "548001179",                          // 215
    "549001999",                          // 216
    "549012180Albacete",                  // 217
    "549022181Asturias",                  // 218
    "549042182Canary Islands",            // 219
    "549052183Cuenca",                    // 220
    "549062184Girona",                    // 221
    "549072185Granada",                   // 222
    "549082186Mallorca",                  // 223
    "549092187Murcia",                    // 224
    "549092188Navarra",                   // 225
    "549122189Tarragona",                 // 226
    "549132190Zaragoza",                  // 227
    "550001191",                          // 228
    "551001999",                          // 229
    "551012192Basel",                     // 230
    "551022193Geneva",                    // 231
    "551032194Graubunden and Glarus",     // 232
    "551042195Neuchatel",                 // 233
    "551052196St Gall-Appenzell",         // 234
    "551062197Ticino",                    // 235
    "551072198Valais",                    // 236
    "551082199Vaud",                      // 237
    "551092200Zurich",                    // 238
    "552001999",                          // 239
    "552012201England",                   // 240
    "552023202East Anglia",               // 241
    "552043203Merseyside and Cheshire",   // 242
    "552053204North Western",             // 243
    "552063205Oxford Region",             // 244
    "552073206South Thames",              // 245
    "552083207South and Western Regions", // 246
    "552093208Trent",                     // 247
    "552033209West Midlands Region",      // 248
    "552103210Yorkshire",                 // 249
    "552112211Northern Ireland",          // 250
    "552122212Scotland",                  // 251
    "553001999",                          // 252
    "553012213Vojvodina",                 // 253
    // Oceania
    "699990999",                   // 254
    "654001999",                   // 255
    "654012214Capital Territory",  // 256
    "654022215New South Wales",    // 257
    "654032216Northern Territory", // 258
    "654032217Queensland",         // 259
    "654042218South",              // 260
    "654052219Tasmania",           // 261
    "654062220Victoria",           // 262
    "654072221Western",            // 263
    "655001222",                   // 264
    "613001999",                   // 265
    "613012223Hawaii",             // 266
    "613013224White",              // 267
    "613013225Chinese",            // 268
    "613013226Filipino",           // 269
    "613013227Hawaiian",           // 270
    "613013228Japanese",           // 271
};

const std::array<std::string_view, kContinentNameCount> kContinentNames = {
    "Continents",                 // 0
    "Africa",                     // 1
    "America, Central and South", // 2
    "America, North",             // 3
    "Asia",                       // 4
    "Europe",                     // 5
    "Oceania",                    // 6
};

const std::array<std::string_view, kCountryNameCount> kCountryNames = {
    "Algeria",         // 0
    "The Gambia",      // 1
    "Mali",            // 2
    "Uganda",          // 3
    "Zimbabwe",        // 4
    "Argentina",       // 5
    "Brazil",          // 6
    "Colombia",        // 7
    "Costa Rica",      // 8
    "Cuba",            // 9
    "Ecuador",         // 10
    "Uruguay",         // 11
    "Canada",          // 12
    "USA",             // 13
    "China",           // 14
    "India",           // 15
    "Israel",          // 16
    "Japan",           // 17
    "Korea",           // 18
    "Kuwait",          // 19
    "Oman",            // 20
    "Pakistan",        // 21
    "Philippines",     // 22
    "Singapore",       // 23
    "Thailand",        // 24
    "Viet Nam",        // 25
    "Austria",         // 26
    "Belarus",         // 27
    "Belgium",         // 28
    "Croatia",         // 29
    "Czech Republic",  // 30
    "Denmark",         // 31
    "Estonia",         // 32
    "Finland",         // 33
    "France",          // 34
    "Germany",         // 35
    "Iceland",         // 36
    "Ireland",         // 37
    "Italy",           // 38
    "Latvia",          // 39
    "Lithuania",       // 40
    "Malta",           // 41
    "The Netherlands", // 42
    "Norway",          // 43
    "Poland",          // 44
    "Portugal",        // 45
    "Russia",          // 46
    "Slovakia",        // 47
    "Slovenia",        // 48
    "Spain",           // 49
    "Sweden",          // 50
    "Switzerland",     // 51
    "UK",              // 52
    "Yugoslavia",      // 53
    "Australia",       // 54
    "New Zealand",     // 55
};

} // namespace orvelan::detail
