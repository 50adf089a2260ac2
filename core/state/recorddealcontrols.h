// The record-deal screen's text, kept while the screen is loaded.
#pragma once

#include <string>

namespace quorvane {

struct RecordDealControls {
    std::string txt; // the signing text with the offer of a new band
};

} // namespace quorvane
