// The random incidents of a week.
#include "turn/events.h"

namespace quorvane {

// The week has no incidents yet.
void events(Game&) {
}

} // namespace quorvane
