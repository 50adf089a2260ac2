// WRITE SONG's refusals and the weeks a song takes, and the record label's answer to a demo
// tape; the full week rates a finished song and gives the answer.
#include "support/gamefixture.h"

namespace quorvane::testing {

TEST_F(GameTest, WriteSongRefusesInItsOrderAndStartsASongOfTwoToFiveWeeks) {
    auto& s = band(20); // and a song on its way, a vacancy and a band in need of rest
    s.songtimer = 9;
    s.tiredness = 1;
    s.membername[3] = none;
    writesong(game);
    s.songcount = 19;
    writesong(game);
    s.songtimer = songidle;
    writesong(game);
    s.membername[3] = "Member 3";
    s.happiness[4] = 0;
    dialogs.answers = {false, true, true}; // the band asks for its rest each time
    writesong(game);                       // let rest: nothing drawn
    random.give(1, 4);
    writesong(game); // made to write: a point of happiness less each, down to 0
    EXPECT_EQ(dialogs.messages(), (Lines{"You have reached the limit of 20 songs!",
                                         "The band is currently working on a song.",
                                         "You need a full band to write a song!",
                                         "The band has started writing a new song."}));
    EXPECT_EQ(s.songtimer, 2);
    EXPECT_EQ(s.happiness[1], 9);
    EXPECT_EQ(s.happiness[4], 0);
    s.songtimer = songidle;
    random.give(4, 4);
    writesong(game);
    EXPECT_EQ(s.songtimer, 5);
}

TEST(LabelAnswer, EveryQualityBoundIsStrictAndADealWantsAThousandFans) {
    struct Row {
        int quality;
        int popularity;
        LabelAnswer::Kind kind;
        const char* words; // of the message, whose whole text the message catalogue holds
    };
    using enum LabelAnswer::Kind;
    const Row rows[] = {{19, 999, message, "rejected"},
                        {20, 999, silence, ""},
                        {21, 999, message, "was ok but"},
                        {24, 999, message, "was ok but"},
                        {25, 999, silence, ""},
                        {26, 999, message, "liked your song"},
                        {29, 999, message, "liked your song"},
                        {30, 999, silence, ""},
                        {31, 999, message, "a lot"},
                        {39, 999, message, "a lot"},
                        {40, 999, silence, ""},
                        {40, 1000, silence, ""},
                        {41, 999, message, "loved the track"},
                        {41, 1000, signing, ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.quality << " at " << row.popularity);
        const LabelAnswer answer = labelanswer(row.quality, row.popularity);
        logshown(answer.text); // as play shows it, for the check that every message is shown
        EXPECT_EQ(answer.kind, row.kind);
        EXPECT_NE(answer.text.find(row.words), std::string::npos) << answer.text;
    }
}

} // namespace quorvane::testing
