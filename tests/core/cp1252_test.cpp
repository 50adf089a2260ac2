// Windows-1252, the character set of saved games.
#include "persist/cp1252.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripAndOtherCharactersAreRefused) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(tocp1252(fromcp1252(all)), all);
    EXPECT_EQ(tocp1252("\xe2\x82\xac \xc2\xa3"), std::string("\x80 \xa3")); // euro, pound
    for (const char* refused : {"\xe2\x98\x85", "\xc3", "\xc0\xa3", "\xf0\x9f\x8e\xb8"})
        EXPECT_FALSE(tocp1252(refused)) << "a star, cut short, overlong, beyond the basic plane";
}

TEST(Cp1252, BandNamesAreMeasuredInSavedBytes) {
    std::string accented;
    for (int i = 0; i < 126; ++i)
        accented += "\xc3\xa9"; // 252 bytes of UTF-8, 126 saved
    EXPECT_FALSE(bandnameproblem(accented));
    EXPECT_TRUE(bandnameproblem(accented + "a"));
}

} // namespace
} // namespace quorvane
