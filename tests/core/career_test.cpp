// A career from the title screen to the record deal: a new game, the manager's score and the
// next band on offer.
#include "support/gamefixture.h"

namespace quorvane::testing {

TEST_F(GameTest, ANewGameHasItsValuesAndTakesAnyNameASaveCanHold) {
    auto& s = game.state = Module1{};
    applicant();
    startup(game);
    EXPECT_EQ(s.cash, 1000);
    EXPECT_EQ(s.popularity, 100);
    EXPECT_EQ(s.songtimer, songidle);
    // Refused: empty, 127 bytes, a star; then 126 bytes once saved. A name taken too soon
    // would draw the one applicant scripted, for the last name, and leave none for it.
    dialogs.typed = {"", std::string(127, 'x'), "\xe2\x98\x85", std::string(125, 'x') + "\xc3\xa9"};
    applicant();
    for (int i = 0; i < 4; ++i)
        startnewgame(game);
    EXPECT_EQ(dialogs.shown[0].text, "Please enter the name of the Band: | NEW BAND");
    EXPECT_EQ(dialogs.shown[1], (Shown{Shown::message, "Invalid Band Name.", Icon::stop}));
    EXPECT_EQ(s.bandname.size(), 127u);
}

// The draws of a new band with every draw at its lowest (1) or at its highest (n).
static void newbanddraws(ScriptedRandom& random, bool highest) {
    for (int slot = 1; slot <= membercount; ++slot)
        for (int n : {6, 2, 30, 30, 3, 10, 10, 10, 3})
            random.give(highest ? n : 1, n);
    for (int n : {40, 20, 20, 2000})
        random.give(highest ? n : 1, n);
}

TEST_F(GameTest, TheManagerScoreAndTheSigningTextFollowTheSignedBand) {
    auto& s = band();
    s.happiness = {0, 10, 9, 8, 7};
    s.discord = {0, 1, 0, 2, 0};
    s.cash = 4400;
    s.popularity = 1150;
    s.illweeks[2] = 3;
    s.managerscore = 2000; // a second deal carries the first score: 7581 in all
    Module1 other;         // a band with no mood or fame: its cash, less a member's discord of 1
    other.discord[1] = 1;
    for (const auto& [cash, score] : {std::pair{1000, 0}, {-499, -1}, {-999, -1}, {-1000, -2}}) {
        other.cash = static_cast<int16>(cash);
        EXPECT_EQ(foldscore(0, other), score) << cash;
    }
    // A mood or a fame at a bound takes the line above it.
    EXPECT_TRUE(moodline(10).starts_with(" The band are very happy"));
    EXPECT_TRUE(moodline(20).starts_with(" The band are very excited"));
    EXPECT_TRUE(moodline(30).starts_with(" The band are ecstatic"));
    EXPECT_TRUE(fameline(10).starts_with(" they are quite well known"));
    EXPECT_TRUE(fameline(25).starts_with(" they are quite well known"));
    EXPECT_TRUE(fameline(26).starts_with(" they are well known,"));
    newbanddraws(random, false);
    EXPECT_EQ(signingtext(game),
              "Congratulations! Your band has been signed to a record label. The band are "
              "ecstatic and expressed their thanks for your excellent performance as manager!! "
              "Now the band is under the control of the all powerful record label, your "
              "services are no longer needed. Your total manager score is: 7. A new band called "
              "Wild Vibes is looking for a new manager, they are virtually unknown and need "
              "good guidance. Will you help this band?");
    EXPECT_EQ(s.illweeks[2], 0);
    EXPECT_EQ(s.happiness[4], 10);
    EXPECT_EQ(s.discord[3], 0);
    newbanddraws(random, true);
    newband(game);
    EXPECT_EQ(s.membersex[1], "Female");
    EXPECT_EQ(s.membername[1], "Nicole Lee");
    EXPECT_EQ(s.talent[1], 3);
    EXPECT_EQ(s.popularity, 40);
    EXPECT_EQ(s.bandname, "Shocked Feelings");
    EXPECT_EQ(s.cash, 4999);
}

} // namespace quorvane::testing
