// Windows-1252 texts and 16-bit saturation.
#include "persist/cp1252.h"
#include "state/int16.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = tocp1252(fromcp1252(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, MapsTheTypographicRangeAndRefusesTheRest) {
    EXPECT_EQ(tocp1252("\xe2\x82\xac"), std::string("\x80")); // euro sign
    EXPECT_EQ(tocp1252("\xc2\xa3"), std::string("\xa3"));     // pound sign
    EXPECT_EQ(tocp1252("Mot\xc3\xb6rhead"), std::string("Mot\xf6rhead"));
    EXPECT_EQ(fromcp1252("\x93Hi\x94"), "\xe2\x80\x9cHi\xe2\x80\x9d");
    EXPECT_FALSE(tocp1252("\xe2\x98\x85"));     // a star
    EXPECT_FALSE(tocp1252("\xc3"));             // cut short
    EXPECT_FALSE(tocp1252("\xc0\xa3"));         // overlong
    EXPECT_FALSE(tocp1252("\xf0\x9f\x8e\xb8")); // beyond the basic plane
}

TEST(Cp1252, BandNamesMustFitOneRecord) {
    EXPECT_FALSE(bandnameproblem(std::string(126, 'a')));
    EXPECT_TRUE(bandnameproblem(std::string(127, 'a')));
    std::string accented;
    for (int i = 0; i < 126; ++i)
        accented += "\xc3\xa9"; // counted in saved bytes, not UTF-8
    EXPECT_FALSE(bandnameproblem(accented));
    EXPECT_TRUE(bandnameproblem(accented + "\xc3\xa9"));
    EXPECT_TRUE(bandnameproblem("Caf\xe2\x98\x95"));
}

TEST(Int16, SumsSaturateInsteadOfWrapping) {
    int16 cash = 32760;
    add16(cash, 100);
    EXPECT_EQ(cash, 32767);
    add16(cash, -1);
    EXPECT_EQ(cash, 32766);
    int16 popularity = -32760;
    add16(popularity, -100);
    EXPECT_EQ(popularity, -32768);
    EXPECT_EQ(sat16(70000LL * 3), 32767);
}

} // namespace
} // namespace quorvane
