// The one game state, shared by every rule of the game.
#pragma once

#include "state/calendar.h"
#include "state/int16.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvane {

// Index 0 of every table is never used: members are 1..4, songs 1..20, names 1..30,
// title words 1..20, venues 1..5, set positions 1..6.
constexpr int membercount = 4;
constexpr int songlimit = 20;
constexpr int namecount = 30;
constexpr int titlewordcount = 20;
constexpr int venuecount = 5;
constexpr int setlength = 6;

// The name of an empty member slot.
inline const std::string none = "None";
// The old integer booleans, kept because the saved game stores them as such.
constexpr int16 vbtrue = -1;
constexpr int16 vbfalse = 0;
// `songtimer` at this value means no song is being written.
constexpr int16 songidle = 10;

template <int Last> using Texts = std::array<std::string, Last + 1>;
template <int Last> using Ints = std::array<int16, Last + 1>;

// Texts are UTF-8 here; the saved game turns them into Windows-1252.
struct Module1 {
    std::string bandname;
    int16 popularity = 0;
    Texts<songlimit> songname;
    Ints<songlimit> songquality{};
    int16 cash = 0;
    std::int32_t managerscore = 0;
    Texts<namecount> malenames;
    Texts<namecount> femalenames;
    Texts<namecount> surnames;
    Texts<membercount> membername;
    Ints<membercount> memberage{};
    Texts<membercount> membersex;
    Ints<membercount> happiness{};
    Ints<membercount> illweeks{};
    Ints<membercount> discord{};
    Ints<membercount> talent{};
    Ints<membercount> charisma{};
    Ints<membercount> attitude{};
    Ints<membercount> looks{};
    Ints<membercount> songwriting{};
    Texts<membercount> instrument;
    int16 applicantslot = 0;
    Ints<membercount> listslot{};
    int16 tiredness = 0;
    int16 lastsong = 0;
    int16 songcount = 0;
    Ints<membercount> lessons{};
    Texts<titlewordcount> titlefirst;
    Texts<titlewordcount> titlesecond;
    Ints<setlength> setlist{};
    Texts<venuecount> venuename;
    Ints<venuecount> venuerequirement{};
    int16 applicantsthisweek = 0;
    Ints<venuecount> venuefee{};
    Ints<venuecount> venueopen{};
    int16 songtimer = 0;
    int16 invitation = 0;
    int16 bestsong = 0;
    Date gamedate = oleepoch;
    int16 promotion = 0;
    std::string gigreview;

    bool occupied(int slot) const { return membername[slot] != none; }
    bool fullband() const;

    bool operator==(const Module1&) const = default;
};

inline bool Module1::fullband() const {
    for (int slot = 1; slot <= membercount; ++slot)
        if (!occupied(slot)) return false;
    return true;
}

} // namespace quorvane
