// Applicants and hiring.
#include "roster/applicants.h"

#include "state/refresh.h"

namespace quorvane {

namespace {

const char* const nomoreapplicants = "No more applicants this week.";
// DISMISS is refused, and HIRE warns, when the week's counter is exactly these values.
constexpr int dismisslimit = 3;
constexpr int hirelimit = 5;

const char* talentword(int talent) {
    if (talent <= 1) return "terrible ";
    if (talent <= 3) return "poor ";
    if (talent <= 5) return "reasonable ";
    if (talent <= 7) return "good ";
    if (talent <= 10) return "excellent ";
    return "";
}

const char* attitudephrase(int attitude) {
    if (attitude <= 1) return "an atrocious attitude problem and ";
    if (attitude <= 3) return "a bad attitude problem and ";
    if (attitude <= 5) return "a fairly good attitude and ";
    if (attitude <= 7) return "a good attitude and ";
    if (attitude <= 10) return "a very good attitude and ";
    return "";
}

const char* looksphrase(int looks) {
    if (looks <= 1) return "looks an absolute horror!";
    if (looks <= 3) return "looks quite ugly. ";
    if (looks <= 5) return "looks o.k. ";
    if (looks <= 7) return "looks pretty good! ";
    if (looks <= 10) return "is gorgeous!! ";
    return "";
}

void setapplicantbuttons(Game& game, bool enabled) {
    game.controls.hire = enabled;
    game.controls.dismiss = enabled;
}

} // namespace

void refreshapplicant(Game& game) {
    for (int slot = 1; slot <= membercount; ++slot) {
        if (!game.state.occupied(slot)) {
            setapplicantbuttons(game, true);
            game.state.applicantslot = static_cast<int16>(slot);
            newapplicant(game);
            return;
        }
        game.controls.txtapplicant = "No Applicants";
        setapplicantbuttons(game, false);
    }
}

void newapplicant(Game& game) {
    auto& a = game.main;
    const auto& s = game.state;
    a.age1 = static_cast<int16>(draw(game.random, 6) + 16);
    const bool male = draw(game.random, 2) == 1;
    a.sex1 = male ? "Male" : "Female";
    const int first = draw(game.random, namecount);
    const int last = draw(game.random, namecount);
    a.name1 = (male ? s.malenames[first] : s.femalenames[first]) + s.surnames[last];
    a.talent1 = static_cast<int16>(draw(game.random, 3));
    a.charisma1 = static_cast<int16>(draw(game.random, 10));
    a.attitude1 = static_cast<int16>(draw(game.random, 10));
    a.looks1 = static_cast<int16>(draw(game.random, 10));
    a.songwriting1 = static_cast<int16>(draw(game.random, 3));
    game.controls.txtapplicant = applicantdescription(game);
}

std::string applicantdescription(const Game& game) {
    const auto& a = game.main;
    const int slot = game.state.applicantslot;
    std::string text = a.name1 + " wants to join the band, ";
    text += a.sex1 == "Male" ? "he is a " : "she is a ";
    text += talentword(a.talent1);
    text += slot == 1 ? std::string("Vocalist, appears to have ")
                      : game.state.instrument[slot] + " player, appears to have ";
    text += attitudephrase(a.attitude1);
    text += looksphrase(a.looks1);
    return text;
}

void hireapplicant(Game& game) {
    if (!game.controls.hire) return;
    auto& s = game.state;
    const auto& a = game.main;
    const int slot = s.applicantslot;
    game.controls.txtapplicant.clear();
    s.membername[slot] = a.name1;
    s.talent[slot] = a.talent1;
    s.charisma[slot] = a.charisma1;
    s.attitude[slot] = a.attitude1;
    s.looks[slot] = a.looks1;
    s.songwriting[slot] = a.songwriting1;
    s.membersex[slot] = a.sex1;
    s.memberage[slot] = a.age1;
    s.happiness[slot] = 10;
    s.discord[slot] = 0;
    add16(s.applicantsthisweek, 1);
    listupdate(game);
    update(game);
    if (s.applicantsthisweek == hirelimit) game.dialogs.message(nomoreapplicants);
}

void dismissapplicant(Game& game) {
    if (!game.controls.dismiss) return;
    if (game.state.applicantsthisweek == dismisslimit) {
        game.controls.txtapplicant.clear();
        game.dialogs.message(nomoreapplicants);
        setapplicantbuttons(game, false);
        return;
    }
    add16(game.state.applicantsthisweek, 1);
    update(game);
}

} // namespace quorvane
