// Finishing the song the band is writing.
#include "songs/songwriting.h"

namespace quorvane {

// No song can be started yet, so none is ever finished.
void makesong(Game&) {
}

} // namespace quorvane
