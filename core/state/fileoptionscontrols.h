// The file options screen's controls, kept while the screen is loaded (shown or hidden).
#pragma once

#include <string>

namespace quorvane {

// Save mode comes from GAME OPTIONS, load mode from the title screen's LOAD GAME.
enum class FileMode { save, load };

struct FileOptionsControls {
    FileMode mode = FileMode::save;
    std::string folder;  // the folder the file list shows
    std::string thefile; // the name box
    bool load = false;   // LOAD enabled
    bool save = false;   // SAVE enabled
    bool savevisible = true;
    std::string Label15 = "SAVE"; // SAVE's caption
};

} // namespace quorvane
