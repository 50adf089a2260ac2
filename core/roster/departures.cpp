// Removing a member from the band.
#include "roster/departures.h"

namespace quorvane {

// Nobody can leave the band yet: sacking and walk-outs come with the member panel.
void delete_member(Game&) {
}

} // namespace quorvane
