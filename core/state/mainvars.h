// What the main screen holds besides the game state: its public variables and the
// state of its controls, kept here so the whole game runs without a window.
#pragma once

#include "state/int16.h"

#include <string>
#include <vector>

namespace quorvane {

// The main screen's public variables; none of them is saved.
struct MainVars {
    // The applicant on offer.
    std::string name1;
    int16 talent1 = 0;
    int16 charisma1 = 0;
    int16 attitude1 = 0;
    int16 looks1 = 0;
    int16 songwriting1 = 0;
    std::string sex1;
    // The member slot picked in the member list; 0 = none.
    int16 Selected = 0;
    int16 age1 = 0;
    // A demo tape waits for the record label's answer.
    bool demo = false;
    // The song slot picked in the track list; 0 = none.
    int16 selectedsong = 0;
};

// The parts of the main screen that the rules set: captions, list rows, enabled flags.
struct MainControls {
    std::string txtapplicant = "...";
    bool hire = true;
    bool dismiss = true;
    bool interview = false;            // INTERVIEW
    bool command4 = true;              // BOOK GIG
    bool Command2 = false;             // SACK THIS MEMBER
    std::vector<std::string> members;  // rows of the member list
    std::vector<std::string> songlist; // rows of the track list
};

} // namespace quorvane
