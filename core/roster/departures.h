// Removing a member from the band.
#pragma once

#include "state/game.h"

namespace quorvane {

// Removes the member in slot `Selected`: popularity falls with the leaver's qualities and the
// rest of the band reacts, then the lists and the applicant are refreshed.
void delete_member(Game& game);

} // namespace quorvane
