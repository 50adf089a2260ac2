// The fixed word and venue tables, and the rule that builds a title from the words.
#pragma once

#include "ports/random.h"
#include "state/module1.h"

#include <string>

namespace quorvane {

// Fills both title word tables; also sets popularity to 1 and no song in progress.
void filltitlewords(Module1& state);
// Fills the names, requirements and fees of the five venues.
void fillvenues(Module1& state);
// A first title word followed directly by a second one (which brings its own blank).
std::string composetitle(const Module1& state, Random& random);

} // namespace quorvane
