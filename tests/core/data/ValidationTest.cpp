#include "core/data/Validation.h"

#include "TempDir.h"
#include "TextLines.h"
#include "core/data/CUserGroupDictionary.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace orvelan {
namespace {

using orvelan::test::groupLine;

const std::optional<std::string> kValid;
const std::string kInvalidAgeRange = "Invalid age range";
const std::string kInvalidSexSite = "Invalid sex/site combination";

struct AgeRangeCase {
    int from;
    int to;
    int rateKind;
    std::optional<std::string> expected;
};

TEST(ValidateAgeRange, RefusesReversedAndOpenCumulativeRanges) {
    const std::string kOpenCumulative = "Age range is invalid for cumulative rate/risk";
    const AgeRangeCase cases[] = {
        {0, 17, 0, kValid},          {0, 17, 1, kValid},
        {0, 17, 5, kValid},          {5, 5, 0, kValid},
        {0, 14, 3, kValid},          {0, 16, 4, kValid},
        {6, 5, 0, kInvalidAgeRange}, {17, 16, 3, kInvalidAgeRange}, // the order test comes first
        {0, 17, 3, kOpenCumulative}, {17, 17, 4, kOpenCumulative},
        {0, 18, 3, kOpenCumulative},
    };
    for (const AgeRangeCase& c : cases) {
        EXPECT_EQ(ValidateAgeRange(c.from, c.to, c.rateKind), c.expected)
            << c.from << "-" << c.to << " kind " << c.rateKind;
    }
}

TEST(RangeEndsInOpenTopClass, OnlyRangesStoppingBelow85PlusInsideTheTopClass) {
    const struct {
        int to;
        int last;
        bool open;
    } cases[] = {
        {14, 15, false}, // 70-74 is closed when the population ends at 75+
        {15, 15, true},  // 75-79 is the open class 75+
        {16, 15, true},  {16, 17, false}, {17, 15, false}, // to 85+ folds the top in
        {17, 17, false}, {0, 0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rangeEndsInOpenTopClass(c.to, c.last), c.open) << c.to << " last " << c.last;
    }
}

struct ItemCountCase {
    int count;
    int maximum;
    std::optional<std::string> expected;
};

TEST(ValidateItemCount, NamesTooManyNegativeAndEmpty) {
    const ItemCountCase cases[] = {
        {1, 10, kValid},
        {10, 10, kValid},
        {11, 10, "You defined too many items"},
        {-1, 10, kInvalidSexSite},
        {0, 10, "Invalid selection"},
        {0, -1, "You defined too many items"}, // the maximum is tested first
    };
    for (const ItemCountCase& c : cases) {
        EXPECT_EQ(ValidateItemCount(c.count, c.maximum), c.expected)
            << c.count << " of " << c.maximum;
    }
}

class ValidateSelection : public testing::Test {
  protected:
    void SetUp() override {
        m_dir.write("ICDuser.dic", groupLine("Female sites", "117118") +
                                       groupLine("Prostate", "153") +
                                       groupLine("Stomach and vulva", "034117"));
        EXPECT_TRUE(m_groups.load(m_dir.file("ICDuser.dic")).ok());
        ASSERT_EQ(m_groups.count(), 3);
    }

    test::TempDir m_dir;
    CUserGroupDictionary m_groups{GroupKind::Cancer};
};

struct SelectionCase {
    int from;
    int to;
    int cancer;
    bool isMale;
    std::optional<std::string> expected;
};

TEST_F(ValidateSelection, ChecksTheSexOfCancersAndGroupsThenTheRange) {
    const SelectionCase cases[] = {
        {0, 17, 34, true, kValid},            // stomach, both sexes
        {0, 17, 117, false, kValid},          // vulva for women
        {0, 17, 117, true, kInvalidSexSite},  // vulva for men
        {0, 17, 153, false, kInvalidSexSite}, // prostate for women
        {0, 17, 120, true, kInvalidSexSite},  // cervix morphology row for men
        {5, 4, 117, true, kInvalidSexSite},   // the sex test comes first
        {5, 4, 34, true, kInvalidAgeRange},
        {5, 4, -1, true, kInvalidAgeRange}, // no cancer: no sex test
        {0, 17, -1, true, kValid},
        {0, 17, 252, true, kInvalidSexSite}, // group of female sites for men
        {0, 17, 252, false, kValid},
        {0, 17, 253, false, kInvalidSexSite}, // prostate group for women
        {0, 17, 253, true, kValid},
        {0, 17, 254, true, kValid}, // a mixed group occurs in both sexes
        {0, 17, 254, false, kValid},
        {3, 2, 252, false, kInvalidAgeRange},
        {0, 17, 255, true, kInvalidSexSite}, // no such group: occurs in no sex
    };
    for (const SelectionCase& c : cases) {
        EXPECT_EQ(orvelan::ValidateSelection(c.from, c.to, c.cancer, c.isMale, m_groups),
                  c.expected)
            << "cancer " << c.cancer << (c.isMale ? " male " : " female ") << c.from << "-" << c.to;
    }
}

} // namespace
} // namespace orvelan
