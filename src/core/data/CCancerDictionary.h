#pragma once

#include "core/data/Codes.h"

#include <string>
#include <string_view>

// The compiled-in cancer dictionary: 252 rows "MFPPPL name" (sex applicability, parent, level)
// with a parallel table of ICD-10 or ICD-O-2 codes, and the 61 rows of the standard table.
namespace orvelan {

class CUserGroupDictionary;

/// Whether a cancer (or user cancer group) occurs in males / in females.
struct SexApplicability {
    bool males = true;
    bool females = true;
    bool maleOnly() const { return males && !females; }
    bool femaleOnly() const { return females && !males; }
};

class CCancerDictionary {
  public:
    static constexpr int kNoParent = 999;
    static constexpr int kStandardRowCount = 61;
    static constexpr int kOtherAndUnspecifiedRow = 58; // built by subtraction
    static constexpr int kAllSitesRow = 59;
    static constexpr int kAllSitesButSkinRow = 60;

    /// The row text of a cancer 0-251, e.g. "119991 Stomach".
    static std::string_view row(int cancer);
    /// The code row: "0" + ICD-10 topography or "1" + ICD-O-2 morphology ("1 " when empty).
    static std::string_view codeRow(int cancer);
    /// True when the code row is a morphology code.
    static bool isMorphology(int cancer);
    /// The code without its type marker.
    static std::string_view code(int cancer);
    /// The ICD-10 code of a cancer, or of the nearest cancer above it that has one.
    static std::string_view icd10Code(int cancer);

    static bool appliesToMales(int cancer);
    static bool appliesToFemales(int cancer);
    /// The one rule of "does this cancer occur in this sex", for any cancer number: a compiled
    /// cancer by its row, a user cancer group (252 + k) by its sex flags. A number that names
    /// neither (no such group, no group dictionary) occurs in no sex: nothing can be loaded
    /// for it.
    static bool occursIn(int cancer, Sex sex, const CUserGroupDictionary* cancerGroups);
    /// Both answers of occursIn.
    static SexApplicability sexesOf(int cancer, const CUserGroupDictionary* cancerGroups);
    /// Parent cancer number named by the row, or kNoParent.
    static int parent(int cancer);
    /// Level: 0 chapter, 1 site, 2 subsite or morphology group, 3 subdivision.
    static int level(int cancer);
    /// Name from character 7 on.
    static std::string_view name(int cancer);
    /// The label shown everywhere: "Tongue, base of", "Lymphoid leukaemia acute".
    static std::string label(int cancer);

    /// Standard table row 0-57, 59 or 60 fed by a cancer, or -1.
    static int standardRow(int cancer);
    /// Row text with its sex prefix, e.g. "01 Vulva".
    static std::string_view standardRowText(int row);
    /// Site name of a standard row (from character 3 on).
    static std::string_view standardRowSite(int row);
    /// Short code, e.g. "C01-02", "O&U", "ALL", "ALLbC44".
    static std::string_view standardRowCode(int row);
    /// Whether a standard row applies to a sex (to either sex for both sexes).
    static bool standardRowAppliesTo(int row, Sex sex);
};

} // namespace orvelan
