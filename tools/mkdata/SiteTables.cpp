// Age-incidence curves, reference rates by site and sex, and the shares in which a site's cases
// divide into its subsites and morphology groups.
#include "ModelTables.h"

namespace orvelan::mkdata {

namespace {

using S = SexScope;

// name, adult, pivot age, rise, after, child, child scale, bump, bump age, bump spread
constexpr AgeShape kAgeShapes[] = {
    {"carcinoma", 1.0, 70, 5.0, 1.0, 0, 1, 0, 0, 1},
    {"headNeck", 1.0, 62, 4.5, 0.3, 0, 1, 0, 0, 1},
    {"colorectal", 1.0, 72, 5.5, 1.2, 0, 1, 0, 0, 1},
    {"lung", 1.0, 70, 6.0, -0.3, 0, 1, 0, 0, 1},
    {"prostate", 1.0, 72, 9.0, 1.0, 0, 1, 0, 0, 1},
    {"bladder", 1.0, 72, 6.0, 1.2, 0, 1, 0, 0, 1},
    {"breast", 1.0, 50, 4.0, 0.8, 0, 1, 0, 0, 1},
    {"cervix", 1.0, 45, 4.0, 0.3, 0, 1, 0, 0, 1},
    {"corpus", 1.0, 60, 6.0, -0.2, 0, 1, 0, 0, 1},
    {"ovary", 1.0, 55, 3.5, 0.5, 0.002, 8, 0.02, 20, 6},
    {"testis", 0.15, 70, 1.0, 0.0, 0.05, 3, 1.0, 32, 9},
    {"hodgkin", 0.5, 70, 2.0, 0.0, 0.03, 5, 1.0, 25, 7},
    {"lymphoidLeukaemia", 1.0, 70, 6.0, 1.0, 0.4, 5, 0, 0, 1},
    {"myeloidLeukaemia", 1.0, 70, 3.5, 1.0, 0.08, 3, 0.05, 20, 10},
    {"otherLeukaemia", 1.0, 70, 5.0, 1.5, 0.05, 4, 0, 0, 1},
    {"lymphoma", 1.0, 70, 3.0, 0.5, 0.03, 8, 0.03, 30, 10},
    {"myeloma", 1.0, 70, 6.0, 0.5, 0, 1, 0, 0, 1},
    {"melanoma", 1.0, 60, 2.5, 1.0, 0, 1, 0, 0, 1},
    {"thyroid", 1.0, 45, 2.5, 0.2, 0.005, 10, 0, 0, 1},
    {"brain", 1.0, 65, 2.5, -0.3, 0.25, 8, 0, 0, 1},
    {"kidney", 1.0, 68, 4.5, 0.0, 0.05, 2.5, 0, 0, 1},
    {"eye", 1.0, 70, 3.0, 1.0, 2.0, 2, 0, 0, 1},
    {"bone", 1.0, 70, 2.0, 1.0, 0.02, 5, 0.6, 16, 5},
    {"sarcoma", 1.0, 70, 2.0, 0.5, 0.1, 5, 0, 0, 1},
    {"adrenal", 1.0, 70, 2.0, 0.0, 2.0, 2, 0, 0, 1},
    {"liver", 1.0, 65, 5.0, 0.0, 0.01, 2, 0, 0, 1},
    {"nasopharynx", 1.0, 50, 3.0, 0.0, 0, 1, 0.05, 15, 4},
    {"kaposi", 0.5, 70, 3.0, 1.0, 0, 1, 1.0, 35, 10},
    {"placenta", 0.0, 70, 1.0, 0.0, 0, 1, 1.0, 30, 6},
    {"skin", 1.0, 70, 4.5, 1.5, 0, 1, 0, 0, 1},
    {"elderly", 1.0, 72, 6.0, 1.5, 0, 1, 0, 0, 1},
    {"salivary", 1.0, 70, 2.5, 0.5, 0.01, 5, 0, 0, 1},
};

// World ASR per 100,000 of a Western European population of the early 1990s.
// cancer, shape, male, female, verification log-odds shift
constexpr SiteModel kSiteModels[] = {
    {3, "carcinoma", 1.0, 0.2, 2.0},           // Lip
    {4, "headNeck", 2.0, 0.7, 1.8},            // Tongue
    {7, "headNeck", 2.0, 1.0, 1.8},            // Mouth
    {12, "salivary", 0.9, 0.6, 1.5},           // Salivary glands
    {15, "headNeck", 1.2, 0.3, 1.8},           // Tonsil
    {16, "headNeck", 1.0, 0.2, 1.5},           // Oropharynx
    {17, "nasopharynx", 0.5, 0.2, 1.5},        // Nasopharynx
    {18, "headNeck", 1.2, 0.1, 1.5},           // Pyriform sinus
    {19, "headNeck", 0.8, 0.1, 1.2},           // Hypopharynx
    {20, "headNeck", 0.4, 0.1, 0.5},           // Pharynx unspecified
    {22, "carcinoma", 5.0, 1.5, 0.8},          // Oesophagus
    {34, "carcinoma", 14.0, 6.0, 0.8},         // Stomach
    {40, "carcinoma", 0.8, 0.5, 0.8},          // Small intestine
    {41, "colorectal", 20.0, 15.0, 1.0},       // Colon
    {47, "colorectal", 2.0, 1.3, 1.2},         // Rectosigmoid junction
    {48, "colorectal", 13.0, 7.0, 1.3},        // Rectum
    {49, "carcinoma", 0.6, 0.7, 1.5},          // Anus
    {58, "liver", 4.0, 1.5, -1.3},             // Liver
    {68, "carcinoma", 1.2, 1.8, -0.2},         // Gallbladder
    {69, "carcinoma", 1.2, 1.0, -0.9},         // Other biliary tract
    {70, "carcinoma", 8.0, 5.0, -1.1},         // Pancreas
    {71, "elderly", 0.8, 0.6, -1.6},           // Other digestive organs
    {73, "carcinoma", 0.5, 0.3, 1.2},          // Nasal cavity and middle ear
    {74, "carcinoma", 0.4, 0.2, 1.0},          // Accessory sinuses
    {75, "headNeck", 7.0, 0.8, 1.6},           // Larynx
    {76, "lung", 0.2, 0.05, 0.5},              // Trachea
    {77, "lung", 55.0, 15.0, -0.3},            // Lung
    {87, "sarcoma", 0.2, 0.15, 0.6},           // Thymus
    {88, "sarcoma", 0.4, 0.15, -0.3},          // Heart, mediastinum and pleura
    {89, "elderly", 0.1, 0.05, -1.5},          // Other respiratory organs
    {99, "bone", 0.6, 0.45, 0.8},              // Bone of limbs
    {100, "bone", 0.5, 0.35, 0.3},             // Other bones
    {102, "melanoma", 9.0, 10.0, 3.0},         // Melanoma of skin
    {108, "skin", 60.0, 40.0, 3.0},            // Other skin
    {110, "carcinoma", 1.5, 0.3, 0.5},         // Mesothelioma
    {111, "kaposi", 0.3, 0.06, 0.8},           // Kaposi sarcoma
    {112, "sarcoma", 0.15, 0.12, 1.5},         // Peripheral nerves
    {113, "sarcoma", 0.4, 0.5, 0.2},           // Peritoneum and retroperitoneum
    {114, "sarcoma", 2.0, 1.5, 1.8},           // Connective and soft tissue
    {115, "breast", 0.7, 75.0, 1.6},           // Breast
    {117, "carcinoma", 0.0, 1.5, 2.0},         // Vulva
    {118, "carcinoma", 0.0, 0.5, 1.8},         // Vagina
    {119, "cervix", 0.0, 10.0, 2.0},           // Cervix uteri
    {127, "corpus", 0.0, 13.0, 2.0},           // Corpus uteri
    {134, "corpus", 0.0, 1.0, -0.8},           // Uterus unspecified
    {135, "ovary", 0.0, 10.0, 0.8},            // Ovary
    {147, "ovary", 0.0, 0.4, 0.8},             // Other female genital organs
    {150, "placenta", 0.0, 0.1, 1.0},          // Placenta
    {152, "carcinoma", 0.8, 0.0, 2.0},         // Penis
    {153, "prostate", 50.0, 0.0, 0.8},         // Prostate
    {154, "testis", 5.0, 0.0, 2.2},            // Testis
    {161, "sarcoma", 0.2, 0.0, 1.2},           // Other male genital organs
    {163, "kidney", 9.0, 4.5, 0.8},            // Kidney
    {164, "bladder", 0.8, 0.4, 1.2},           // Renal pelvis
    {165, "bladder", 0.6, 0.3, 1.2},           // Ureter
    {166, "bladder", 18.0, 4.0, 1.3},          // Bladder
    {175, "bladder", 0.3, 0.1, 0.8},           // Other urinary organs
    {177, "eye", 0.8, 0.6, 1.0},               // Eye
    {186, "brain", 6.0, 4.5, -0.5},            // Brain, central nervous system
    {210, "thyroid", 2.0, 5.0, 1.8},           // Thyroid
    {220, "adrenal", 0.4, 0.3, 0.5},           // Adrenal gland
    {221, "brain", 0.3, 0.3, 0.2},             // Other endocrine
    {223, "lymphoma", 11.0, 7.5, 2.0},         // Non-Hodgkin lymphoma
    {227, "hodgkin", 2.8, 2.2, 2.2},           // Hodgkin disease
    {233, "myeloma", 0.1, 0.05, 1.5},          // Immunoproliferative diseases
    {234, "myeloma", 3.5, 2.4, 1.2},           // Multiple myeloma
    {236, "lymphoidLeukaemia", 3.5, 2.2, 2.0}, // Lymphoid leukaemia
    {241, "myeloidLeukaemia", 3.5, 2.8, 2.0},  // Myeloid leukaemia
    {246, "otherLeukaemia", 1.0, 0.7, 0.5},    // Leukaemia, cell unspecified
    {251, "elderly", 6.0, 5.0, -2.0},          // Other and unspecified
};

// Shares of verified cases; unverified cases lean towards the unspecified morphology groups.
// parent, child, sex, ages 0-14, 15-44, 45 and over
constexpr ChildShare kChildShares[] = {
    // Tongue: base, other parts
    {4, 5, S::Both, 0.45, 0.45, 0.45},
    {4, 6, S::Both, 0.55, 0.55, 0.55},
    // Mouth: gum, floor, palate, other
    {7, 8, S::Both, 0.2, 0.2, 0.2},
    {7, 9, S::Both, 0.3, 0.3, 0.3},
    {7, 10, S::Both, 0.2, 0.2, 0.2},
    {7, 11, S::Both, 0.3, 0.3, 0.3},
    // Salivary glands: parotid, other
    {12, 13, S::Both, 0.8, 0.8, 0.8},
    {12, 14, S::Both, 0.2, 0.2, 0.2},
    // Oesophagus by morphology
    {22, 23, S::Both, 0.6, 0.6, 0.6},
    {22, 24, S::Both, 0.25, 0.25, 0.25},
    {22, 25, S::Both, 0.02, 0.02, 0.02},
    {22, 26, S::Both, 0.05, 0.05, 0.05},
    {22, 27, S::Both, 0.005, 0.005, 0.005},
    {22, 28, S::Both, 0.01, 0.01, 0.01},
    {22, 29, S::Both, 0.02, 0.02, 0.02},
    // Oesophagus by third
    {22, 30, S::Both, 0.15, 0.15, 0.15},
    {22, 31, S::Both, 0.4, 0.4, 0.4},
    {22, 32, S::Both, 0.3, 0.3, 0.3},
    {22, 33, S::Both, 0.15, 0.15, 0.15},
    // Stomach: cardia, fundus, body, pylorus and antrum, other
    {34, 35, S::Both, 0.2, 0.2, 0.2},
    {34, 36, S::Both, 0.07, 0.07, 0.07},
    {34, 37, S::Both, 0.2, 0.2, 0.2},
    {34, 38, S::Both, 0.25, 0.25, 0.25},
    {34, 39, S::Both, 0.28, 0.28, 0.28},
    // Colon: right, transverse, descending, sigmoid, other
    {41, 42, S::Both, 0.3, 0.3, 0.3},
    {41, 43, S::Both, 0.13, 0.13, 0.13},
    {41, 44, S::Both, 0.07, 0.07, 0.07},
    {41, 45, S::Both, 0.3, 0.3, 0.3},
    {41, 46, S::Both, 0.2, 0.2, 0.2},
    // Anus by morphology
    {49, 50, S::Both, 0.5, 0.5, 0.5},
    {49, 51, S::Both, 0.12, 0.12, 0.12},
    {49, 52, S::Both, 0.18, 0.18, 0.18},
    {49, 53, S::Both, 0.03, 0.03, 0.03},
    {49, 54, S::Both, 0.06, 0.06, 0.06},
    {49, 55, S::Both, 0.02, 0.02, 0.02},
    {49, 56, S::Both, 0.02, 0.02, 0.02},
    {49, 57, S::Both, 0.07, 0.07, 0.07},
    // Liver by morphology: hepatoblastoma in infants
    {58, 59, S::Both, 0.05, 0.7, 0.7},
    {58, 60, S::Both, 0.0, 0.1, 0.15},
    {58, 61, S::Both, 0.0, 0.02, 0.02},
    {58, 62, S::Both, 0.01, 0.06, 0.06},
    {58, 63, S::Both, 0.9, 0.01, 0.0},
    {58, 64, S::Both, 0.01, 0.01, 0.01},
    {58, 65, S::Both, 0.01, 0.01, 0.01},
    {58, 66, S::Both, 0.01, 0.01, 0.01},
    {58, 67, S::Both, 0.01, 0.04, 0.04},
    // Lung by morphology; women have relatively more adenocarcinoma
    {77, 78, S::Male, 0.05, 0.25, 0.36},
    {77, 79, S::Male, 0.2, 0.35, 0.25},
    {77, 78, S::Female, 0.05, 0.15, 0.2},
    {77, 79, S::Female, 0.2, 0.45, 0.4},
    {77, 80, S::Both, 0.05, 0.17, 0.17},
    {77, 81, S::Both, 0.1, 0.08, 0.08},
    {77, 82, S::Both, 0.1, 0.02, 0.02},
    {77, 83, S::Both, 0.1, 0.07, 0.07},
    {77, 84, S::Both, 0.3, 0.01, 0.003},
    {77, 85, S::Both, 0.05, 0.01, 0.007},
    {77, 86, S::Both, 0.05, 0.03, 0.04},
    // Bone by morphology: osteosarcoma and Ewing sarcoma in the young
    {90, 91, S::Both, 0.5, 0.45, 0.2},
    {90, 92, S::Both, 0.02, 0.2, 0.35},
    {90, 93, S::Both, 0.35, 0.15, 0.02},
    {90, 94, S::Both, 0.02, 0.05, 0.06},
    {90, 95, S::Both, 0.05, 0.07, 0.12},
    {90, 96, S::Both, 0.03, 0.05, 0.1},
    {90, 97, S::Both, 0.02, 0.02, 0.1},
    {90, 98, S::Both, 0.01, 0.01, 0.05},
    // Melanoma by body site: trunk in men, lower limb in women
    {102, 103, S::Male, 0.22, 0.18, 0.25},
    {102, 104, S::Male, 0.42, 0.45, 0.38},
    {102, 105, S::Male, 0.15, 0.15, 0.15},
    {102, 106, S::Male, 0.12, 0.13, 0.12},
    {102, 107, S::Male, 0.09, 0.09, 0.1},
    {102, 103, S::Female, 0.15, 0.1, 0.2},
    {102, 104, S::Female, 0.22, 0.25, 0.18},
    {102, 105, S::Female, 0.18, 0.18, 0.18},
    {102, 106, S::Female, 0.38, 0.4, 0.36},
    {102, 107, S::Female, 0.07, 0.07, 0.08},
    // Cervix by morphology
    {119, 120, S::Both, 0.8, 0.8, 0.8},
    {119, 121, S::Both, 0.1, 0.1, 0.1},
    {119, 122, S::Both, 0.02, 0.02, 0.02},
    {119, 123, S::Both, 0.04, 0.04, 0.04},
    {119, 124, S::Both, 0.003, 0.003, 0.003},
    {119, 125, S::Both, 0.007, 0.007, 0.007},
    {119, 126, S::Both, 0.03, 0.03, 0.03},
    // Corpus uteri by morphology
    {127, 128, S::Both, 0.85, 0.85, 0.85},
    {127, 129, S::Both, 0.02, 0.02, 0.02},
    {127, 130, S::Both, 0.03, 0.03, 0.03},
    {127, 131, S::Both, 0.05, 0.05, 0.05},
    {127, 132, S::Both, 0.02, 0.02, 0.02},
    {127, 133, S::Both, 0.03, 0.03, 0.03},
    // Ovary by morphology: germ cell tumours in girls and young women
    {135, 136, S::Both, 0.0, 0.2, 0.35},
    {135, 137, S::Both, 0.02, 0.15, 0.12},
    {135, 138, S::Both, 0.0, 0.08, 0.1},
    {135, 139, S::Both, 0.0, 0.04, 0.05},
    {135, 140, S::Both, 0.0, 0.1, 0.15},
    {135, 141, S::Both, 0.01, 0.02, 0.02},
    {135, 142, S::Both, 0.01, 0.04, 0.06},
    {135, 143, S::Both, 0.15, 0.08, 0.04},
    {135, 144, S::Both, 0.7, 0.25, 0.01},
    {135, 145, S::Both, 0.08, 0.02, 0.02},
    {135, 146, S::Both, 0.03, 0.02, 0.05},
    // Other female genital organs: fallopian tube, other
    {147, 148, S::Both, 0.4, 0.4, 0.4},
    {147, 149, S::Both, 0.6, 0.6, 0.6},
    // Testis by morphology: seminoma peaks later than the non-seminomas
    {154, 155, S::Both, 0.02, 0.5, 0.6},
    {154, 156, S::Both, 0.3, 0.18, 0.05},
    {154, 157, S::Both, 0.5, 0.22, 0.1},
    {154, 158, S::Both, 0.02, 0.03, 0.01},
    {154, 159, S::Both, 0.1, 0.03, 0.1},
    {154, 160, S::Both, 0.06, 0.04, 0.14},
    // Bladder by morphology
    {166, 167, S::Both, 0.03, 0.03, 0.03},
    {166, 168, S::Both, 0.88, 0.88, 0.88},
    {166, 169, S::Both, 0.02, 0.02, 0.02},
    {166, 170, S::Both, 0.01, 0.01, 0.01},
    {166, 171, S::Both, 0.03, 0.03, 0.03},
    {166, 172, S::Both, 0.05, 0.003, 0.003},
    {166, 173, S::Both, 0.007, 0.007, 0.007},
    {166, 174, S::Both, 0.02, 0.02, 0.02},
    // Eye by morphology: retinoblastoma in infants, melanoma in adults
    {177, 178, S::Both, 0.9, 0.0, 0.0},
    {177, 179, S::Both, 0.0, 0.5, 0.7},
    {177, 180, S::Both, 0.0, 0.25, 0.1},
    {177, 181, S::Both, 0.0, 0.03, 0.02},
    {177, 182, S::Both, 0.0, 0.03, 0.03},
    {177, 183, S::Both, 0.04, 0.04, 0.02},
    {177, 184, S::Both, 0.05, 0.1, 0.08},
    {177, 185, S::Both, 0.01, 0.05, 0.05},
    // Brain and central nervous system by morphology
    {186, 187, S::Both, 0.4, 0.45, 0.45},
    {186, 188, S::Both, 0.02, 0.07, 0.05},
    {186, 189, S::Both, 0.08, 0.03, 0.02},
    {186, 190, S::Both, 0.02, 0.05, 0.06},
    {186, 191, S::Both, 0.2, 0.03, 0.0},
    {186, 192, S::Both, 0.06, 0.01, 0.0},
    {186, 193, S::Both, 0.02, 0.005, 0.0},
    {186, 194, S::Both, 0.03, 0.02, 0.005},
    {186, 195, S::Both, 0.01, 0.03, 0.04},
    {186, 196, S::Both, 0.005, 0.08, 0.12},
    {186, 197, S::Both, 0.01, 0.01, 0.01},
    {186, 198, S::Both, 0.0, 0.003, 0.003},
    {186, 199, S::Both, 0.03, 0.02, 0.0},
    {186, 200, S::Both, 0.02, 0.01, 0.0},
    {186, 201, S::Both, 0.02, 0.03, 0.03},
    {186, 202, S::Both, 0.05, 0.1, 0.15},
    // Brain and central nervous system by site: meninges, brain, other
    {186, 203, S::Both, 0.01, 0.08, 0.1},
    {186, 204, S::Both, 0.92, 0.82, 0.82},
    {186, 205, S::Both, 0.07, 0.1, 0.08},
    // Other parts of the central nervous system: spinal cord, cranial nerves, unspecified
    {205, 206, S::Both, 0.5, 0.5, 0.5},
    {205, 207, S::Both, 0.3, 0.3, 0.3},
    {205, 208, S::Both, 0.2, 0.2, 0.2},
    // Thyroid by morphology
    {210, 211, S::Both, 0.15, 0.12, 0.2},
    {210, 212, S::Both, 0.75, 0.8, 0.6},
    {210, 213, S::Both, 0.05, 0.02, 0.05},
    {210, 214, S::Both, 0.0, 0.005, 0.04},
    {210, 215, S::Both, 0.01, 0.02, 0.02},
    {210, 216, S::Both, 0.01, 0.02, 0.03},
    {210, 217, S::Both, 0.002, 0.002, 0.002},
    {210, 218, S::Both, 0.01, 0.01, 0.01},
    {210, 219, S::Both, 0.01, 0.02, 0.03},
    // Non-Hodgkin lymphoma: Burkitt lymphoma in children, mycosis fungoides in the old
    {223, 224, S::Both, 0.4, 0.03, 0.01},
    {223, 225, S::Both, 0.0, 0.02, 0.04},
    {223, 226, S::Both, 0.6, 0.95, 0.95},
    // Hodgkin disease by type: nodular sclerosis in the young
    {227, 228, S::Both, 0.05, 0.05, 0.05},
    {227, 229, S::Both, 0.5, 0.65, 0.35},
    {227, 230, S::Both, 0.3, 0.2, 0.35},
    {227, 231, S::Both, 0.02, 0.02, 0.08},
    {227, 232, S::Both, 0.13, 0.08, 0.17},
    // Lymphoid leukaemia: acute in children, chronic in the old
    {236, 237, S::Both, 0.95, 0.55, 0.06},
    {236, 238, S::Both, 0.0, 0.35, 0.85},
    {236, 239, S::Both, 0.02, 0.05, 0.04},
    {236, 240, S::Both, 0.03, 0.05, 0.05},
    // Myeloid leukaemia
    {241, 242, S::Both, 0.85, 0.65, 0.5},
    {241, 243, S::Both, 0.08, 0.28, 0.28},
    {241, 244, S::Both, 0.04, 0.03, 0.12},
    {241, 245, S::Both, 0.03, 0.04, 0.1},
    // Leukaemia of unspecified cell type
    {246, 247, S::Both, 0.4, 0.3, 0.2},
    {246, 248, S::Both, 0.1, 0.2, 0.25},
    {246, 249, S::Both, 0.05, 0.05, 0.05},
    {246, 250, S::Both, 0.45, 0.45, 0.5},
};

} // namespace

std::span<const AgeShape> ageShapes() { return kAgeShapes; }
std::span<const SiteModel> siteModels() { return kSiteModels; }
std::span<const ChildShare> childShares() { return kChildShares; }

} // namespace orvelan::mkdata
