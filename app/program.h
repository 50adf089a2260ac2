// The game as a program: what the installed game and the tools built beside it share.
#pragma once

namespace quorvane {

// The names a desktop knows the program by, and its window icon. Needs the application.
void nameprogram();
// Seeds chance from the clock, shows the title screen and runs until the player quits.
int play();

} // namespace quorvane
