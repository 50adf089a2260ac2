// Calendar days of the game and their count as an OLE Automation date.
#pragma once

#include <chrono>

namespace quorvane {

using Date = std::chrono::year_month_day;

// Day zero of the OLE count, 30 December 1899; also the date of a blank state.
constexpr Date oleepoch{std::chrono::year{1899}, std::chrono::December, std::chrono::day{30}};
// The calendar of a saved game, which is the OLE range. The game's dates never leave it, so
// every date the game reaches can be saved and loaded again.
constexpr Date firstday{std::chrono::year{100}, std::chrono::January, std::chrono::day{1}};
constexpr Date lastday{std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}};

// Moves a date by whole days; a date at either end of the calendar stays there.
Date adddays(Date date, int days);
bool incalendar(Date date);
// Whole days since 30 December 1899.
long oledays(Date date);
Date fromoledays(long days);

} // namespace quorvane
