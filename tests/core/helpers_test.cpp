// The small helpers every rule leans on: ranged draws, floor division, the calendar's ends.
#include "state/calendar.h"
#include "state/int16.h"
#include "support/scripted.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quorvane::testing {
namespace {

using namespace std::chrono;

TEST(Helpers, AScriptedValueIsOnlyTakenByADrawOfItsOwnRange) {
    ScriptedRandom random;
    random.give(1, 5);
    EXPECT_THROW(draw(random, 4), std::logic_error) << "a 1..4 draw is not a 1..5 one";
    EXPECT_EQ(draw(random, 5), 1);
    EXPECT_THROW(draw(random, 5), std::logic_error) << "nothing left to draw";
    random.give(6, 6);
    EXPECT_EQ(below(random, 6), 5);
}

TEST(Helpers, FloorDivisionRoundsDown) {
    const long long rows[][3] = {{3581, 1000, 3},   {999, 1000, 0},    {-500, 1000, -1},
                                 {-1000, 1000, -1}, {-1001, 1000, -2}, {7, -2, -4}};
    for (const auto& [dividend, divisor, quotient] : rows)
        EXPECT_EQ(floordiv(dividend, divisor), quotient) << dividend << " / " << divisor;
}

TEST(Helpers, TheCalendarStopsAtItsEnds) {
    const Date last = year{9999} / December / 31;
    EXPECT_EQ(adddays(year{9999} / December / 28, 7), last);
    EXPECT_EQ(adddays(last, 14), last);
    EXPECT_EQ(adddays(year{100} / January / 3, -7), (year{100} / January / 1));
    EXPECT_EQ(adddays(year{2001} / September / 1, 14), (year{2001} / September / 15));
}

} // namespace
} // namespace quorvane::testing
