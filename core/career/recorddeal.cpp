// The end of a career: the signed band's verdict and score, and the next band on offer.
#include "career/recorddeal.h"

#include "roster/memberdetails.h"
#include "state/refresh.h"

namespace quorvane {

std::string moodline(int happiness) {
    if (happiness < 10) return " The band are pleased but feel you were a very poor manager!";
    if (happiness < 20)
        return " The band are very happy but feel you could have done a slightly better job!";
    if (happiness < 30)
        return " The band are very excited and were pleased with your performance as their "
               "manager.";
    return " The band are ecstatic and expressed their thanks for your excellent performance as "
           "manager!!";
}

std::string fameline(int popularity) {
    if (popularity < 10) return " they are virtually unknown and need good guidance.";
    if (popularity <= 25) return " they are quite well known but require a good manager.";
    return " they are well known, but still require good management.";
}

std::int32_t foldscore(std::int32_t score, const Module1& s) {
    long long total = score;
    for (int slot = 1; slot <= membercount; ++slot)
        total += s.happiness[slot] - s.discord[slot];
    total += s.cash + s.popularity;
    return static_cast<std::int32_t>(floordiv(total, 1000));
}

std::string signingtext(Game& game) {
    auto& s = game.state;
    int happiness = 0;
    for (int slot = 1; slot <= membercount; ++slot)
        happiness += s.happiness[slot];
    std::string text = "Congratulations! Your band has been signed to a record label." +
                       moodline(happiness) +
                       " Now the band is under the control of the all powerful record label, "
                       "your services are no longer needed.";
    s.managerscore = foldscore(s.managerscore, s);
    text += " Your total manager score is: " + std::to_string(s.managerscore);
    newband(game);
    return text + ". A new band called " + s.bandname + " is looking for a new manager," +
           fameline(s.popularity) + " Will you help this band?";
}

void newband(Game& game) {
    auto& s = game.state;
    auto& r = game.random;
    for (int slot = 1; slot <= membercount; ++slot) {
        s.memberage[slot] = static_cast<int16>(below(r, 6) + 17);
        const bool male = draw(r, 2) == 1;
        s.membersex[slot] = male ? "Male" : "Female";
        const std::string& first = (male ? s.malenames : s.femalenames)[draw(r, namecount)];
        s.membername[slot] = first + s.surnames[draw(r, namecount)];
        s.talent[slot] = static_cast<int16>(draw(r, 3));
        s.charisma[slot] = static_cast<int16>(draw(r, 10));
        s.attitude[slot] = static_cast<int16>(draw(r, 10));
        s.looks[slot] = static_cast<int16>(draw(r, 10));
        s.songwriting[slot] = static_cast<int16>(draw(r, 3));
        s.happiness[slot] = 10;
        s.discord[slot] = s.illweeks[slot] = 0;
    }
    s.popularity = static_cast<int16>(draw(r, 40));
    const int firstword = draw(r, titlewordcount);
    s.bandname = s.titlefirst[firstword] + s.titlesecond[draw(r, titlewordcount)];
    s.cash = static_cast<int16>(below(r, 2000) + 3000);
}

void openrecorddeal(Game& game) {
    const std::string text = signingtext(game);
    game.recorddeal.emplace().txt = text;
    game.screens.show(Screen::recorddeal);
}

void acceptnewband(Game& game) {
    if (!game.recorddeal) return;
    auto& s = game.state;
    for (int slot = 1; slot <= songlimit; ++slot) {
        s.songname[slot].clear();
        s.songquality[slot] = 0;
    }
    s.songcount = s.lastsong = 0;
    forgetpicks(game);
    updatesonglist(game);
    game.recorddeal.reset();
    game.screens.close(Screen::recorddeal);
    game.screens.show(Screen::main);
    update(game);
    listupdate(game);
}

void declinenewband(Game& game) {
    if (!game.recorddeal) return;
    game.recorddeal.reset();
    game.screens.close(Screen::recorddeal);
    game.screens.show(Screen::title);
    game.declined = true;
}

} // namespace quorvane
