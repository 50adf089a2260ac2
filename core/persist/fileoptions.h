// The file options screen: choosing a file, then SAVE, LOAD or BACK.
#pragma once

#include "state/game.h"

namespace quorvane {

// Opens the screen in a mode; a screen that was only hidden keeps its folder and name.
// A new screen starts in `startfolder`.
void openfileoptions(Game& game, FileMode mode, const std::string& startfolder);
// Discards the screen and its controls, when it is loaded.
void closefileoptions(Game& game);
void choosefolder(Game& game, const std::string& folder);
// A click on a file in the list: its name goes into the name box, and both buttons work.
void pickfile(Game& game, const std::string& name);
// A click into the name box lets SAVE work; typing alone enables nothing.
void clickfilename(Game& game);
void typefilename(Game& game, const std::string& text);

void savebutton(Game& game);
void loadbutton(Game& game);
void backbutton(Game& game);
// The window's own close control: back to the screen that is current beneath it.
void closefileoptionswindow(Game& game);

// The folder, a separator and the name exactly as typed.
std::string chosenpath(const FileOptionsControls& form);

} // namespace quorvane
