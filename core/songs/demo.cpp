// The record label's answer to a demo tape.
#include "songs/demo.h"

namespace quorvane {

// No demo tape can be sent yet, so there is nothing to answer.
void demoverdict(Game&) {
}

} // namespace quorvane
