// Date arithmetic on whole days.
#include "state/calendar.h"

namespace quorvane {

using std::chrono::days;
using std::chrono::sys_days;

Date adddays(Date date, int count) {
    return Date{sys_days{date} + days{count}};
}

long oledays(Date date) {
    return static_cast<long>((sys_days{date} - sys_days{oleepoch}).count());
}

Date fromoledays(long count) {
    return Date{sys_days{oleepoch} + days{count}};
}

} // namespace quorvane
