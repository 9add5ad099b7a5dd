#include "core/io/TextEncoding.h"

#include <gtest/gtest.h>

namespace orvelan {
namespace {

// A name typed at a terminal is kept as the files keep names; one Latin-1 cannot hold is refused
// rather than written as bytes another program would misread.
TEST(TextEncoding, FileTextConvertsUtf8ToLatin1OrRefuses) {
    EXPECT_EQ(fileText("Aarhus 2020"), "Aarhus 2020");
    EXPECT_EQ(fileText("S\xc3\xa3o Paulo \xc3\xbf\xc2\xa0"), "S\xe3o Paulo \xff\xa0");
    EXPECT_EQ(fileText("S\xe3o Paulo"), "S\xe3o Paulo"); // not UTF-8: already Latin-1
    EXPECT_EQ(fileText("\305\201\303\263d\305\272"), std::nullopt);
    EXPECT_EQ(fileText("\xe2\x82\xac"), std::nullopt); // the euro sign
    EXPECT_EQ(fileText(""), "");
}

TEST(TextEncoding, SearchKeyIgnoresCaseAndAccents) {
    EXPECT_EQ(searchKey("\xc5rhus"), "arhus");
    EXPECT_EQ(searchKey("\xc5RHUS"), searchKey("\xe5rhus"));
    EXPECT_EQ(searchKey("Cura\347ao, S\343o Tom\351"), "curacao, sao tome");
    EXPECT_EQ(searchKey("K\370benhavn \306r\370 Stra\337e"), "kobenhavn aero strasse");
    EXPECT_EQ(searchKey("\336ingvellir 2\3273"), "thingvellir 2\3273");
}

} // namespace
} // namespace orvelan
