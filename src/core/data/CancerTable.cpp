#include "core/data/CancerTable.h"

// The cancer dictionary as shipped, in tree order. Each entry: the row (occurs in males, occurs
// in females, three-digit parent cancer or 999, level digit, a blank, the name) and its code
// row ("0" + ICD-10 topography, "1" + ICD-O-2 morphology, "1 " when there is no code).
namespace orvelan::detail {

const std::array<CancerEntry, kCancerCount> kCancerEntries = {{
    {"119990 All sites", "0C00-97 "},                 // 0
    {"119991 All sites but skin", "0C00-97 but C44"}, // 1
    {"119990 Oral cavity and pharynx", "0C00-14"},    // 2
    {"119991 Lip", "0C00"},                           // 3
    {"119991 Tongue", "0C01-02"},                     // 4
    {"110042 Base of", "0C01"},                       // 5
    {"110042 Other and unspecified parts", "0C02"},   // 6
    {"119991 Mouth", "0C03-06"},                      // 7
    {"110072 Gum", "0C03"},                           // 8
    {"110072 Floor of", "0C04"},                      // 9
    {"110072 Palate", "0C05"},                        // 10
    {"110072 Other and unspecified parts", "0C06"},   // 11
    {"119991 Salivary glands", "0C07-08"},            // 12
    {"119992 Parotid gland", "0C07"},                 // 13
    {"110122 Other and unspecified", "0C08"},         // 14
    {"119991 Tonsil", "0C09"},                        // 15
    {"119991 Oropharynx", "0C10"},                    // 16
    {"119991 Nasopharynx", "0C11"},                   // 17
    {"119991 Pyriform sinus", "0C12"},                // 18
    {"119991 Hypopharynx", "0C13"},                   // 19
    {"119991 Pharynx unspecified", "0C14"},           // 20
    {"119990 Digestive organs", "0C15-26"},           // 21
    {"119991 Oesophagus", "0C15"},                    // 22
    {"110222 Squamous cell carcinoma", "18050-8076"}, // 23
    {"110222 Adenocarcinoma",
     "18140-8141,8190-8231,8260-8263,8310,8430,8480-8490,8560,8570-8572"}, // 24
    {"110222 Other specified carcinomas", "1 "},                           // 25
    {"110222 Unspecified carcinoma", "18010-8034"},                        // 26
    {"110222 Sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9120-9133,9150,9540-9581"},           // 27
    {"110222 Other specified morphology", "1 "},                                          // 28
    {"110222 Unspecified morphology", "18000-8004"},                                      // 29
    {"110222 Upper third", "0C15.0,3"},                                                   // 30
    {"110222 Middle third", "0C15.1,4"},                                                  // 31
    {"110222 Lower third", "0C15.2,5"},                                                   // 32
    {"110222 Other and unspecified parts", "0C15.8-9"},                                   // 33
    {"119991 Stomach", "0C16"},                                                           // 34
    {"110342 Cardia", "0C16.0"},                                                          // 35
    {"110342 Fundus", "0C16.1"},                                                          // 36
    {"110342 Body", "0C16.2"},                                                            // 37
    {"110342 Pylorus and antrum", "0C16.3-4"},                                            // 38
    {"110342 Other and unspecified parts", "0C16.5-9"},                                   // 39
    {"119991 Small intestine", "0C17"},                                                   // 40
    {"119991 Colon", "0C18"},                                                             // 41
    {"110412 Right", "0C18.0-2"},                                                         // 42
    {"110412 Transverse and flexures", "0C18.3-5"},                                       // 43
    {"110412 Descending", "0C18.6"},                                                      // 44
    {"110412 Sigmoid", "0C18.7"},                                                         // 45
    {"110412 Other and unspecified parts", "0C18.8-9"},                                   // 46
    {"119991 Rectosigmoid junction", "0C19"},                                             // 47
    {"119991 Rectum", "0C20"},                                                            // 48
    {"119991 Anus", "0C21"},                                                              // 49
    {"110492 Squamous cell carcinoma", "18050-8076"},                                     // 50
    {"110492 Basaloid and cloacogenic carcinoma", "18123-8124"},                          // 51
    {"110492 Adenocarcinoma", "18140-8145,8190-8231,8260-8263,8310,8480-8490,8560,8570"}, // 52
    {"110492 Other carcinoma", "1 "},                                                     // 53
    {"110492 Unspecified carcinoma", "18010-8034"},                                       // 54
    {"110492 Melanoma", "18720-8790"},                                                    // 55
    {"110492 Other morphology", "1 "},                                                    // 56
    {"110492 Unspecified morphology", "18000-8004"},                                      // 57
    {"119991 Liver", "0C22"},                                                             // 58
    {"110582 Hepatocellular carcinoma", "18170-8171"},                                    // 59
    {"110582 Cholangiocarcinoma",
     "18050,8140-8141,8160-8161,8260,8440,8480-8500,8550,8560,8570-8572"}, // 60
    {"110582 Other carcinoma", "1 "},                                      // 61
    {"110582 Unspecified carcinoma", "18010-8034"},                        // 62
    {"110582 Hepatoblastoma", "18970"},                                    // 63
    {"110582 Haemagiosarcoma", "19120-9133,9161"},                         // 64
    {"110582 Other sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9150,9170,9540-9581"}, // 65
    {"110582 Other morphology", "1 "},                                     // 66
    {"110582 Unspecified morphology", "18000-8004"},                       // 67
    {"119991 Gallbladder", "0C23"},                                        // 68
    {"119991 Other and unspecified parts of biliary tract", "0C24"},       // 69
    {"119991 Pancreas", "0C25"},                                           // 70
    {"119991 Other and ill-defined digestive organs", "0C26"},             // 71
    {"119990 Respiratory organs", "0C30-39"},                              // 72
    {"119991 Nasal cavity and middle ear", "0C30"},                        // 73
    {"119991 Accessory sinuses", "0C31"},                                  // 74
    {"119991 Larynx", "0C32"},                                             // 75
    {"119991 Trachea", "0C33"},                                            // 76
    {"119991 Lung", "0C34"},                                               // 77
    {"110772 Squamous cell carcinoma", "18050-8076"},                      // 78
    {"110772 Adenocarcinoma",
     "18140,8211,8230-8231,8250-8260,8323,8480-8490,8550-8560,8570-8572"},   // 79
    {"110772 Small cell carcinoma", "18040-8045"},                           // 80
    {"110772 Large and undifferentiated cell carcinoma", "18012-8031,8310"}, // 81
    {"110772 Other carcinoma", "1 "},                                        // 82
    {"110772 Unspecified carcinoma", "18010-8011,8032-8034"},                // 83
    {"110772 Sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9120-9133,9150,9540-9581"},    // 84
    {"110772 Other morphology", "1 "},                                             // 85
    {"110772 Unspecified morphology", "18000-8004"},                               // 86
    {"119991 Thymus", "0C37"},                                                     // 87
    {"119991 Heart, mediastinum and pleura", "0C38"},                              // 88
    {"119991 Other and unspecified respiratory and intrathoracic organs", "0C39"}, // 89
    {"119990 Bone", "0C40-41"},                                                    // 90
    {"110901 Osteosarcoma", "19180-9200"},                                         // 91
    {"110901 Chondrosarcoma", "19220-9240"},                                       // 92
    {"110901 Ewing sarcoma", "19260"},                                             // 93
    {"110901 Fibrosarcoma", "18810-8812,8830"},                                    // 94
    {"110901 Other specified sarcomas", "1 "},                                     // 95
    {"110901 Unspecified sarcoma", "18800-8804"},                                  // 96
    {"110901 Other specified morphology", "1 "},                                   // 97
    {"110901 Unspecified morphology", "18000-8004"},                               // 98
    {"119991 Bone of limbs", "0C40"},                                              // 99
    {"119991 Other bones", "0C41"},                                                // 100
    {"119990 Skin", "0C43-44"},                                                    // 101
    {"119991 Melanoma of skin", "0C43"},                                           // 102
    {"111022 Head", "0C43.0-4"},                                                   // 103
    {"111022 Trunk", "0C43.5"},                                                    // 104
    {"111022 Upper limb", "0C43.6"},                                               // 105
    {"111022 Lower limb", "0C43.7"},                                               // 106
    {"111022 Other and unspecified", "0C43.8-9"},                                  // 107
    {"119991 Other skin", "0C44"},                                                 // 108
    {"119990 Mesothelial and soft tissues", "0C45-49"},                            // 109
    {"119991 Mesothelioma", "0C45"},                                               // 110
    {"119991 Kaposi sarcoma", "0C46"},                                             // 111
    {"119991 Peripheral nerves", "0C47"},                                          // 112
    {"119991 Peritoneum and retroperitoneum", "0C48"},                             // 113
    {"119991 Connective and soft tissue", "0C49"},                                 // 114
    {"119990 Breast", "0C50"},                                                     // 115
    {"019990 Female genital organs", "0C51-58"},                                   // 116
    {"019991 Vulva", "0C51"},                                                      // 117
    {"019991 Vagina", "0C52"},                                                     // 118
    {"019991 Cervix uteri", "0C53"},                                               // 119
    {"011192 Squamous cell carcinoma", "18051-8076"},                              // 120
    {"011192 Adenocarcinoma", "18050,8140-8141,8190-8211,8230-8231,8260-8263,8310,8380,8430,8440-"
                              "8490,8510,8560,8570-8572"}, // 121
    {"011192 Other carcinoma", "1 "},                      // 122
    {"011192 Unspecified carcinoma", "18010-8034"},        // 123
    {"011192 Sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9120-9133,9150,9540-9581"}, // 124
    {"011192 Other morphology", "1 "},                                          // 125
    {"011192 Unspecified morphology", "18000-8004"},                            // 126
    {"019991 Corpus uteri", "0C54"},                                            // 127
    {"011272 Adenocarcinoma", "18050,8140-8141,8190-8211,8230-8231,8260-8263,8310,8380,8430,8440-"
                              "8490,8510,8560,8570-8572"}, // 128
    {"011272 Other carcinoma", "1 "},                      // 129
    {"011272 Unspecified carcinoma", "18010-8004"},        // 130
    {"011272 Sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9120-9133,9150,9540-9581"},           // 131
    {"011272 Other morphology", "1 "},                                                    // 132
    {"011272 Unspecified morphology", "18000-8004"},                                      // 133
    {"019991 Uterus unspecified", "0C55"},                                                // 134
    {"019991 Ovary", "0C56"},                                                             // 135
    {"011352 Serous carcinoma", "18441-8462,9014"},                                       // 136
    {"011352 Mucinous carcinoma", "18470-8490,9015"},                                     // 137
    {"011352 Endometrioid carcinoma", "18380-8381,8560,8570"},                            // 138
    {"011352 Clear cell carcinoma", "18310-8313,9110"},                                   // 139
    {"011352 Adenocarcinoma", "18140-8190,8211-8231,8260,8440"},                          // 140
    {"011352 Other carcinoma", "1 "},                                                     // 141
    {"011352 Unspecified carcinoma", "18010-8034"},                                       // 142
    {"011352 Sex cord-stromal tumour", "18590-8671"},                                     // 143
    {"011352 Germ cell tumour", "18240-8245,9060-9102"},                                  // 144
    {"011352 Other morphology", "1 "},                                                    // 145
    {"011352 Unspecified morphology", "18000-8004"},                                      // 146
    {"019991 Other female genital organs", "0C57"},                                       // 147
    {"019992 Fallopian tube", "0C57.0"},                                                  // 148
    {"019992 Other female genital", "0C57.1-9"},                                          // 149
    {"019991 Placenta", "0C58"},                                                          // 150
    {"109990 Male genital organs", "0C60-63"},                                            // 151
    {"109991 Penis", "0C60"},                                                             // 152
    {"109991 Prostate", "0C61"},                                                          // 153
    {"109991 Testis", "0C62"},                                                            // 154
    {"101542 Seminoma", "19060-9064"},                                                    // 155
    {"101542 Embryonal carcinoma", "19070-9073"},                                         // 156
    {"101542 Teratoma", "19080-9085,9102"},                                               // 157
    {"101542 Choriocarcinoma", "19100-9101"},                                             // 158
    {"101542 Other morphology", "1 "},                                                    // 159
    {"101542 Unspecified morphology", "18000-8004"},                                      // 160
    {"109991 Other male genital organs", "0C63"},                                         // 161
    {"119990 Urinary tract", "0C64-68"},                                                  // 162
    {"119991 Kidney", "0C64"},                                                            // 163
    {"119991 Renal pelvis", "0C65"},                                                      // 164
    {"119991 Ureter", "0C66"},                                                            // 165
    {"119991 Bladder", "0C67"},                                                           // 166
    {"111662 Squamous cell carcinoma", "18051-8076"},                                     // 167
    {"111662 Transitional cell carcinoma", "18050,8120-8122,8130"},                       // 168
    {"111662 Adenocarcinoma", "18140-8145,8190-8231,8260-8263,8310,8480-8490,8560,8570"}, // 169
    {"111662 Other carcinoma", "1 "},                                                     // 170
    {"111662 Unspecified carcinoma", "18010-8034"},                                       // 171
    {"111662 Sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9120-9133,9150,9540-9581"}, // 172
    {"111662 Other morphology", "1 "},                                          // 173
    {"111662 Unspecified morphology", "18000-8004"},                            // 174
    {"119991 Other urinary organs", "0C68"},                                    // 175
    {"119990 Eye, brain and central nervous system", "0C69-72"},                // 176
    {"119991 Eye", "0C69"},                                                     // 177
    {"111772 Retinoblastoma", "19510-9512"},                                    // 178
    {"111772 Melanoma", "18720-8790"},                                          // 179
    {"111772 Squamous cell carcinoma", "18050-8082"},                           // 180
    {"111772 Other carcinoma", "1 "},                                           // 181
    {"111772 Unspecified carcinoma", "18010-8034"},                             // 182
    {"111772 Sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9120-9133,9150,9540-9581"},             // 183
    {"111772 Other morphology", "1 "},                                                      // 184
    {"111772 Unspecified morphology", "18000-8004"},                                        // 185
    {"119991 Brain, central nervous system", "0C70-72"},                                    // 186
    {"111862 Astrocytic tumours", "19384,9400-9421,9424,9440-9442,9481"},                   // 187
    {"111862 Oligodendroglial tumours and mixed gliomas", "19382,9450-9451"},               // 188
    {"111862 Ependymal tumours", "19383,9391-9394"},                                        // 189
    {"111862 Gliomas of uncertain origin", "19380,9381,9422,9423,9430,9443,9460,9480"},     // 190
    {"111862 Medulloblastoma", "19470-9472 and 9364,9473 (C71.6-7)"},                       // 191
    {"111862 Other embryonal tumours", "19490,9500-9504 and 9364,9473 (other sites)"},      // 192
    {"111862 Choroid plexus tumours", "19390"},                                             // 193
    {"111862 Neuronal and mixed neuronal-glial tumours", "18680,9491,9505,9506,9520-9523"}, // 194
    {"111862 Cranial nerves tumours", "19540-9570"},                                        // 195
    {"111862 Meningioma", "19530-9535,9537,9538"},                                          // 196
    {"111862 Soft tissue tumours", "18800-9044,9120-9142,9150,9160-9251,9536,9539"},        // 197
    {"111862 Melanoma", "18720-8790"},                                                      // 198
    {"111862 Germinoma", "19060,9064"},                                                     // 199
    {"111862 Other germ cell tumours", "19070-9072,9080-9085,9100,9101"},                   // 200
    {"111862 Other specified morphology", "1 "},                                            // 201
    {"111862 Unspecified morphology", "18000-8045"},                                        // 202
    {"119992 Meninges", "0C70"},                                                            // 203
    {"119992 Brain", "0C71"},                                                               // 204
    {"119992 Other parts of central nervous system", "0C72"},                               // 205
    {"119993 Spinal cord, cauda equina", "0C72.0-1"},                                       // 206
    {"119993 Cranial nerves", "0C72.2-5"},                                                  // 207
    {"119993 Nervous system, NOS", "0C72.8-9"},                                             // 208
    {"119990 Thyroid and other endocrine glands", "0C73-75"},                               // 209
    {"119991 Thyroid", "0C73"},                                                             // 210
    {"112102 Follicular carcinoma", "18290,8330-8334"},                                     // 211
    {"112102 Papillary carcinoma", "18050,8260,8340,8350,8450"},                            // 212
    {"112102 Medullary carcinoma", "18510-8511"},                                           // 213
    {"112102 Anaplastic carcinoma", "18020-8034"},                                          // 214
    {"112102 Other carcinoma", "1 "},                                                       // 215
    {"112102 Unspecified carcinoma", "18010-8012"},                                         // 216
    {"112102 Sarcoma",
     "18800-8811,8830,8840-8920,8990-8991,9040-9044,9120-9133,9150,9540-9581"}, // 217
    {"112102 Other morphology", "1 "},                                          // 218
    {"112102 Unspecified morphology", "18000-8004"},                            // 219
    {"119991 Adrenal gland", "0C74"},                                           // 220
    {"119991 Other endocrine", "0C75"},                                         // 221
    {"119990 Lymphoid and haematopoietic tissues", "0C81-96"},                  // 222
    {"119991 Non-Hodgkin lymphoma", "0C82-85,C96"},                             // 223
    {"119992 Burkitt lymphoma", "0C83.7"},                                      // 224
    {"119992 Mycosis fungoides", "0C84.0"},                                     // 225
    {"112232 Other and unspecified", "0C82,C83.0-6,8-9,C84.1-5,C85,C96"},       // 226
    {"119991 Hodgkin disease", "0C81"},                                         // 227
    {"112272 Lymphocytic predominance", "0C81.0"},                              // 228
    {"112272 Nodular sclerosis", "0C81.1"},                                     // 229
    {"112272 Mixed cellularity", "0C81.2"},                                     // 230
    {"112272 Lymphocytic depletion", "0C81.3"},                                 // 231
    {"112272 Other and unspecified", "0C81.7,9"},                               // 232
    {"119991 Immunoproliferative diseases", "0C88"},                            // 233
    {"119991 Multiple myeloma", "0C90"},                                        // 234
    {"119991 Leukaemia", "0C91-95"},                                            // 235
    {"119992 Lymphoid leukaemia", "0C91"},                                      // 236
    {"112363 Acute", "0C91.0"},                                                 // 237
    {"112363 Chronic", "0C91.1"},                                               // 238
    {"112363 Other specified", "0C91.2-7"},                                     // 239
    {"112363 Unspecified", "0C91.9"},                                           // 240
    {"119992 Myeloid leukaemia", "0C92-94"},                                    // 241
    {"112413 Acute", "0C92.0,C93.0,C94.0,C94.2,C94.4-5"},                       // 242
    {"112413 Chronic", "0C92.1,C93.1,C94.1"},                                   // 243
    {"112413 Other", "0C92.2-7,C93.2,C93.7,C94.3,C94.7"},                       // 244
    {"112413 Unspecified", "0C92.9,C93,9"},                                     // 245
    {"119992 Leukaemia, cell unspecified", "0C95"},                             // 246
    {"112463 Acute", "0C95.0"},                                                 // 247
    {"112463 Chronic", "0C95.1"},                                               // 248
    {"112463 Other", "0C95.2,7"},                                               // 249
    {"112463 Unspecified", "0C95.9"},                                           // 250
    {"119990 Other and unspecified", "0C80,C97"},                               // 251
}};

// The rows of the standard incidence table: sex prefix ("11" both, "01" females only, "10"
// males only), a blank, the site name; and the short ICD-10 code of each row.
const std::array<StandardEntry, kStandardEntryCount> kStandardEntries = {{
    {"11 Lip", "C00"},                            // 0
    {"11 Tongue", "C01-02"},                      // 1
    {"11 Mouth", "C03-06"},                       // 2
    {"11 Salivary glands", "C07-08"},             // 3
    {"11 Tonsil", "C09"},                         // 4
    {"11 Other oropharynx", "C10"},               // 5
    {"11 Nasopharynx", "C11"},                    // 6
    {"11 Hypopharynx", "C12-13"},                 // 7
    {"11 Pharynx unspecified", "C14"},            // 8
    {"11 Oesophagus", "C15"},                     // 9
    {"11 Stomach", "C16"},                        // 10
    {"11 Small intestine", "C17"},                // 11
    {"11 Colon", "C18"},                          // 12
    {"11 Rectum", "C19-20"},                      // 13
    {"11 Anus", "C21"},                           // 14
    {"11 Liver", "C22"},                          // 15
    {"11 Gallbladder etc.", "C23-24"},            // 16
    {"11 Pancreas", "C25"},                       // 17
    {"11 Nose, sinuses etc.", "C30-31"},          // 18
    {"11 Larynx", "C32"},                         // 19
    {"11 Trachea, bronchus and lung", "C33-34"},  // 20
    {"11 Other thoracic organs", "C37-38"},       // 21
    {"11 Bone", "C40-41"},                        // 22
    {"11 Melanoma of skin", "C43"},               // 23
    {"11 Other skin", "C44"},                     // 24
    {"11 Mesothelioma", "C45"},                   // 25
    {"11 Kaposi sarcoma", "C46"},                 // 26
    {"11 Connective and soft tissue", "C47+C49"}, // 27
    {"11 Breast", "C50"},                         // 28
    {"01 Vulva", "C51"},                          // 29
    {"01 Vagina", "C52"},                         // 30
    {"01 Cervix uteri", "C53"},                   // 31
    {"01 Corpus uteri", "C54"},                   // 32
    {"01 Uterus unspecified", "C55"},             // 33
    {"01 Ovary", "C56"},                          // 34
    {"01 Other female genital organs", "C57"},    // 35
    {"01 Placenta", "C58"},                       // 36
    {"10 Penis", "C60"},                          // 37
    {"10 Prostate", "C61"},                       // 38
    {"10 Testis", "C62"},                         // 39
    {"10 Other male genital organs", "C63"},      // 40
    {"11 Kidney", "C64"},                         // 41
    {"11 Renal pelvis", "C65"},                   // 42
    {"11 Ureter", "C66"},                         // 43
    {"11 Bladder", "C67"},                        // 44
    {"11 Other urinary organs", "C68"},           // 45
    {"11 Eye", "C69"},                            // 46
    {"11 Brain, nervous system", "C70-72"},       // 47
    {"11 Thyroid", "C73"},                        // 48
    {"11 Adrenal gland", "C74"},                  // 49
    {"11 Other endocrine", "C75"},                // 50
    {"11 Hodgkin disease", "C81"},                // 51
    {"11 Non-Hodgkin lymphoma", "C82-85,C96"},    // 52
    {"11 Immunoproliferative diseases", "C88"},   // 53
    {"11 Multiple myeloma", "C90"},               // 54
    {"11 Lymphoid leukaemia", "C91"},             // 55
    {"11 Myeloid leukaemia", "C92-94"},           // 56
    {"11 Leukaemia unspecified", "C95"},          // 57
    {"11 Other and unspecified", "O&U"},          // 58
    {"11 All sites", "ALL"},                      // 59
    {"11 All sites but C44", "ALLbC44"},          // 60
}};

} // namespace orvelan::detail
