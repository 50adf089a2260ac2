// A career from the title screen to the record deal: a new game, what an interview scores
// (the soak holds its words, and holidays to their price), the manager's score and the next
// band on offer.
#include "support/gamefixture.h"

namespace quorvane::testing {

TEST_F(GameTest, StartsOnTheTitleScreenAndNewGameTakesAnyNameASaveCanHold) {
    auto& s = game.state = Module1{};
    applicant();
    startup(game);
    EXPECT_EQ(str(s.cash, s.popularity, s.songtimer, s.songcount, s.membername[4], s.instrument[3],
                  s.bandname.size(), s.songname[20].size(), game.screens.shown(Screen::title)),
              "1000 100 10 0 None Bass 20 30 1");
    // Refused: empty, 127 bytes, a star; then 126 bytes once saved.
    dialogs.typed = {"", std::string(127, 'x'), "\xe2\x98\x85", std::string(125, 'x') + "\xc3\xa9"};
    applicant();
    for (int i = 0; i < 4; ++i)
        startnewgame(game);
    EXPECT_EQ(str(dialogs.shown[0].text, dialogs.shown[1].text, dialogs.shown[3].text.substr(0, 26),
                  dialogs.shown[5].text.substr(0, 26), dialogs.shown[5].icon == Icon::stop),
              "Please enter the name of the Band: | NEW BAND Invalid Band Name. That band name is "
              "too long A saved game can only hold 1");
    EXPECT_EQ(str(s.bandname.size(), game.screens.shown(Screen::title)), "127 0");
}

// The draws of a new band with every draw at its lowest (1) or at its highest (n).
static void newbanddraws(ScriptedRandom& random, bool highest) {
    for (int slot = 1; slot <= membercount; ++slot)
        for (int n : {6, 2, 30, 30, 3, 10, 10, 10, 3})
            random.give(highest ? n : 1, n);
    for (int n : {40, 20, 20, 2000})
        random.give(highest ? n : 1, n);
}

TEST_F(GameTest, AnInterviewScoresCharismaLooksOnTVAndAttitudeAndVacanciesToo) {
    // Charisma c draws 1..c and, on TV, looks l draw 1..l; attitude a earns 10 - a; the radio
    // adds 5..24. The soak holds the words, and the popularity gained, to the score.
    auto& s = band();
    std::tie(s.charisma, s.looks, s.attitude) =
        std::tuple(Ints<4>{0, 1, 10, 0, 4}, Ints<4>{0, 2, 10, 0, 4}, Ints<4>{0, 1, 10, 0, 4});
    std::tie(s.membername[3], s.invitation) = std::tuple(none, 2);
    random.give({{1, 1}, {1, 2}, {10, 10}, {10, 10}, {1, 0}, {1, 0}, {4, 4}, {2, 4}});
    EXPECT_EQ(interviewscore(s, random), (1 + 10 + 1 + 4) + (1 + 10 + 1 + 2) + (9 + 0 + 10 + 6));
    s.invitation = radio;
    random.give({{1, 1}, {10, 10}, {1, 0}, {3, 4}, {20, 20}});
    EXPECT_EQ(interviewscore(s, random), (1 + 10 + 1 + 3) + (9 + 0 + 10 + 6) + 24);
}

TEST_F(GameTest, TheManagerScoreAndTheSigningTextFollowTheSignedBand) {
    auto& s = band();
    std::tie(s.happiness, s.discord, s.cash, s.popularity, s.illweeks[2]) =
        std::tuple(Ints<4>{0, 10, 9, 8, 7}, Ints<4>{0, 1, 0, 2, 0}, 4400, 1150, 3);
    EXPECT_EQ(foldscore(2000, s), 7) << "a second deal carries the first score: 7581";
    Module1 other = s; // a band with no mood or fame: cash, less one member's discord
    std::tie(other.happiness, other.popularity) = std::tuple(Ints<4>{}, 0);
    const int totals[][3] = {
        {999, 0, 0}, {1000, 1, 0}, {-500, 0, -1}, {-1000, 0, -1}, {-1001, 0, -2}};
    for (const auto& [cash, discord, score] : totals) {
        std::tie(other.cash, other.discord) =
            std::tuple(static_cast<int16>(cash), Ints<4>{0, static_cast<int16>(discord)});
        EXPECT_EQ(foldscore(0, other), score) << cash;
    }
    const std::tuple<std::string (*)(int), int, const char*> lines[] = {
        {moodline, 9, " The band are pleased"},       {moodline, 10, " The band are very happy"},
        {moodline, 19, " The band are very happy"},   {moodline, 20, " The band are very excited"},
        {moodline, 29, " The band are very excited"}, {moodline, 30, " The band are ecstatic"},
        {fameline, 9, " they are virtually unknown"}, {fameline, 10, " they are quite well known"},
        {fameline, 25, " they are quite well known"}, {fameline, 26, " they are well known,"}};
    for (const auto& [line, value, start] : lines)
        EXPECT_TRUE(line(value).starts_with(start)) << start;
    const Module1 before = s;
    newbanddraws(random, false);
    EXPECT_EQ(signingtext(game),
              "Congratulations! Your band has been signed to a record label. The band are "
              "ecstatic and expressed their thanks for your excellent performance as manager!! "
              "Now the band is under the control of the all powerful record label, your "
              "services are no longer needed. Your total manager score is: 5. A new band called "
              "Wild Vibes is looking for a new manager, they are virtually unknown and need "
              "good guidance. Will you help this band?");
    EXPECT_EQ(str(s.memberage[4], s.membersex[4], s.membername[4], s.talent[4], s.looks[4],
                  s.popularity, s.cash, s.illweeks[2], s.happiness[4], s.discord[3]),
              "17 Male Aaron Johnson 1 1 1 3000 0 10 0");
    EXPECT_EQ(std::tie(s.gamedate, s.instrument, s.lessons),
              std::tie(before.gamedate, before.instrument, before.lessons));
    newbanddraws(random, true);
    newband(game);
    EXPECT_EQ(str(s.memberage[1], s.membersex[1], s.membername[1], s.talent[1], s.charisma[1],
                  s.attitude[1], s.looks[1], s.songwriting[1], s.popularity, s.bandname, s.cash),
              "22 Female Nicole Lee 3 10 10 10 3 40 Shocked Feelings 4999");
}

} // namespace quorvane::testing
