// The gig screen's and the magazine screen's controls, kept while each screen is loaded.
#pragma once

#include "state/module1.h"

#include <array>
#include <string>
#include <vector>

namespace quorvane {

// A booking in progress; everything here starts afresh each time the screen opens.
struct GigControls {
    int16 checkindex = 0; // the venue picked, 1..5; 0 = none
    int16 trackcount = 0; // tracks on the list, 0..6
    int16 gigrating = 0;
    std::array<bool, venuecount> location{};   // venue options enabled this week
    std::vector<std::string> Combo1;           // the track picker's rows: song slots 1..songcount
    bool picker = false;                       // Combo1 enabled, once a venue has accepted
    bool command1 = false;                     // APPLY
    bool command4 = false;                     // PLAY GIG
    std::array<std::string, setlength> tracks; // the six list slots' labels
};

struct MagazineControls {
    std::string txtnews; // the article
};

} // namespace quorvane
