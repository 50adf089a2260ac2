// Calendar days of the game and their count as an OLE Automation date.
#pragma once

#include <chrono>

namespace quorvane {

using Date = std::chrono::year_month_day;

// Day zero of the OLE count, 30 December 1899; also the date of a blank state.
constexpr Date oleepoch{std::chrono::year{1899}, std::chrono::December, std::chrono::day{30}};

Date adddays(Date date, int days);
// Whole days since 30 December 1899.
long oledays(Date date);
Date fromoledays(long days);

} // namespace quorvane
