// The file options screen: choosing a file, then SAVE, LOAD or BACK. It opens over the
// screen whose button opened it, and does nothing unless it is up.
#pragma once

#include "state/game.h"

namespace quorvane {

// Opens the screen in a mode over its opener (save mode over the main screen, load mode over
// the title screen), while that is up. A screen that was only hidden keeps its folder and
// name; a new one starts in `startfolder`.
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
// The window's own close control: the screen is discarded, and its opener is still up.
void closefileoptionswindow(Game& game);

// The folder, a separator and the name exactly as typed.
std::string chosenpath(const FileOptionsControls& form);

} // namespace quorvane
