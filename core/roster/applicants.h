// Applicants for the lowest vacant slot, and the HIRE and DISMISS buttons.
#pragma once

#include "state/game.h"

#include <string>

namespace quorvane {

// Offers a fresh applicant for the lowest vacant slot, or "No Applicants" for a full band.
void refreshapplicant(Game& game);
// Draws the applicant for `applicantslot` and describes them in the applicant area.
void newapplicant(Game& game);
// The one-sentence description of the applicant on offer.
std::string applicantdescription(const Game& game);
void hireapplicant(Game& game);
void dismissapplicant(Game& game);

} // namespace quorvane
