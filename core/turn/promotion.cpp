// The weekly charge for the chosen promotion level.
#include "turn/promotion.h"

namespace quorvane {

// No promotion level can be chosen yet, so there is nothing to charge.
void chargepromotion(Game&) {
}

} // namespace quorvane
