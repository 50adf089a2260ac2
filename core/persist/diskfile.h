// Reading and replacing whole files, safely: only regular files are read or replaced, a
// pipe or a device never holds the game up, and a replaced file is complete or untouched.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Up to `limit` bytes from the start of a regular file; nothing when the file is missing,
// unreadable or not a regular file (a folder, a named pipe, a device).
std::optional<std::string> readregularfile(const std::string& path, std::size_t limit);

// Makes `path` a regular file holding `bytes`. The bytes go to a new temporary file beside
// it, which is synced and then renamed over the target, so a failure leaves any older file
// as it was. A link is followed to the file it names, which is made if the link points at
// nothing yet; the link itself stays. A replaced file keeps its permissions, and a read-only
// file or one that is not a regular file is refused. Returns why it failed, or nothing.
std::optional<std::string> replacefile(const std::string& path, std::string_view bytes);

} // namespace quorvane
