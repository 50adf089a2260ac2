// Band practice, offered once a week to a full band.
#include "roster/practice.h"

namespace quorvane {

// Practice does not raise talent yet; the lessons work brings it.
void practise(Game&) {
}

} // namespace quorvane
