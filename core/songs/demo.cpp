// The record label's answer to a demo tape. Its bounds are strict on both sides, so a
// quality of exactly 20, 25, 30 or 40 gets no answer at all.
#include "songs/demo.h"

#include "career/recorddeal.h"
#include "roster/memberdetails.h"

namespace quorvane {

namespace {

constexpr int signingpopularity = 1000;

} // namespace

LabelAnswer labelanswer(int q, int popularity) {
    if (q < 20) return {LabelAnswer::message, "The record label rejected the demo tape"};
    if (q > 20 && q < 25)
        return {LabelAnswer::message,
                "The record label thought the song was ok but not what they are looking for."};
    if (q > 25 && q < 30)
        return {LabelAnswer::message,
                "The record label liked your song but felt it didn't meet their needs."};
    if (q > 30 && q < 40)
        return {LabelAnswer::message, "The record label liked the song a lot, they would like to "
                                      "hear some more of your tracks."};
    if (q > 40 && popularity < signingpopularity)
        return {LabelAnswer::message, "The record label loved the track, but think the band as a "
                                      "whole still needs to develop."};
    if (q > 40) return {LabelAnswer::signing, ""};
    return {LabelAnswer::silence, ""};
}

void senddemo(Game& game) {
    if (game.main.demo) {
        game.dialogs.message("You have already sent a Demo Tape.");
        return;
    }
    if (selectedtrack(game) == 0) {
        game.dialogs.message("Please select a track from the song list.");
        return;
    }
    game.main.demo = true;
    game.dialogs.message("You have sent a demo to the record company");
}

void demoverdict(Game& game) {
    game.main.demo = false;
    // A pick that names no written track any more (the songs went with a signed band, or
    // a loaded game has fewer) leaves the label nothing to judge.
    const int track = selectedtrack(game);
    if (track == 0) return;
    const auto answer = labelanswer(game.state.songquality[track], game.state.popularity);
    if (answer.kind == LabelAnswer::message) game.dialogs.message(answer.text);
    if (answer.kind != LabelAnswer::signing) return;
    game.screens.hide(Screen::main);
    openrecorddeal(game);
}

} // namespace quorvane
