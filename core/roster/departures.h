// A member leaving the band, sacked or walking out.
#pragma once

#include "state/game.h"

namespace quorvane {

// SACK THIS MEMBER: asks first, then removes the picked member.
void sackmember(Game& game);
// Removes the member in slot `Selected`: popularity falls with the leaver's qualities and the
// rest of the band reacts, then the lists and the applicant are refreshed.
void delete_member(Game& game);

} // namespace quorvane
