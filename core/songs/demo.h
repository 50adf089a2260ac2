// Demo tapes: SEND DEMO, and the record label's answer at the end of the week.
#pragma once

#include "state/game.h"

#include <string>

namespace quorvane {

// What the label makes of a demo: a message, a record deal, or no word at all.
struct LabelAnswer {
    enum Kind { message, signing, silence } kind;
    std::string text;
    bool operator==(const LabelAnswer&) const = default;
};
LabelAnswer labelanswer(int quality, int popularity);

// SEND DEMO: the track picked in the track list goes to the label.
void senddemo(Game& game);
// The label's answer on the track picked when the week ends; a deal opens the record-deal
// screen, and the week goes on.
void demoverdict(Game& game);

} // namespace quorvane
