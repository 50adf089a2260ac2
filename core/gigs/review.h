// The music magazine's review of the last gig, and the magazine screen that shows it.
#pragma once

#include "state/game.h"

#include <string>

namespace quorvane {

// The review of a gig with this rating, in wording `choice` (1 or 2).
std::string reviewtext(const std::string& bandname, int rating, int choice);

// After a gig: a very bad one upsets a member, the review is written, the week's booking
// is used up and the magazine takes the gig screen's place.
void newspaper(Game& game, int16 gigrating);
// The article: the review, then a line on the best song of the gig.
std::string magazinetext(Game& game);

// Shows the magazine with a freshly composed article.
void openmagazine(Game& game);
// OK, or the window's own close control: back to the refreshed main screen.
void closemagazine(Game& game);

} // namespace quorvane
