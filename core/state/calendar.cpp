// Date arithmetic on whole days.
#include "state/calendar.h"

#include <algorithm>

namespace quorvane {

using std::chrono::days;
using std::chrono::sys_days;

Date adddays(Date date, int count) {
    return Date{std::clamp(sys_days{date} + days{count}, sys_days{firstday}, sys_days{lastday})};
}

bool incalendar(Date date) {
    return date.ok() && date >= firstday && date <= lastday;
}

long oledays(Date date) {
    return static_cast<long>((sys_days{date} - sys_days{oleepoch}).count());
}

Date fromoledays(long count) {
    return Date{sys_days{oleepoch} + days{count}};
}

} // namespace quorvane
