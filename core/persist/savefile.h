// Saved games: 106 records of 128 bytes, one value each, with no header.
#pragma once

#include "state/module1.h"

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

constexpr std::size_t recordsize = 128;
constexpr std::size_t recordcount = 106;

// The file's bytes for the stored part of the state; nothing when a text cannot be stored
// (more than 126 bytes, or a character outside Windows-1252).
std::optional<std::string> encodesave(const Module1& state);

// Reads the stored fields over a copy of `current`, so fields a file does not hold keep
// their values. Bytes past the end read as zero. Nothing when the file is not valid: an
// empty band name, a text longer than its record, or a value the game cannot work with.
std::optional<Module1> decodesave(std::string_view bytes, const Module1& current);

// Writes the game to `path`, safely (see replacefile), and only when loading the file would
// give this very game back. Returns why it failed, or nothing on success.
std::optional<std::string> savegame(const Module1& state, const std::string& path);

// Replaces the state with the file's game when it is a valid regular file; otherwise changes
// nothing.
bool loadgame(Module1& state, const std::string& path);

} // namespace quorvane
