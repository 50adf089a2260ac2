// The record label's answer to a demo tape; the full week rates a finished song, and the soak
// holds WRITE SONG to its refusals and its cost.
#include "support/gamefixture.h"

namespace quorvane::testing {

TEST_F(GameTest, TheLabelJudgesTheTrackPickedWhenTheWeekEndsOnceAWeek) {
    auto& s = band(2);
    senddemo(game);
    selectsong(game, 1);
    senddemo(game);
    selectsong(game, -1);
    senddemo(game); // sent already, whatever is picked now
    EXPECT_EQ(dialogs.messages(), (Lines{"Please select a track from the song list.",
                                         "You have sent a demo to the record company",
                                         "You have already sent a Demo Tape."}));
    // The soak holds the lower bounds of the answers against play; a deal wants 1000 fans.
    EXPECT_EQ(
        str(labelanswer(40, 5000).kind, labelanswer(41, 999).kind, labelanswer(41, 1000).kind),
        str(LabelAnswer::silence, LabelAnswer::message, LabelAnswer::signing));
    selectsong(game, 1);
    std::tie(game.main.demo, s.songcount, s.lastsong) = std::tuple(true, 1, 1);
    dialogs.shown.clear(); // the picked track is gone: no answer
    demoverdict(game);
    EXPECT_EQ(str(last(), game.main.demo), " 0");
}

} // namespace quorvane::testing
