// Windows-1252, the 8-bit character set of saved games, and the band name check it implies.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The bytes of a UTF-8 text in Windows-1252; nothing when a character has no byte there
// or the text is not valid UTF-8.
std::optional<std::string> tocp1252(std::string_view utf8);
// The UTF-8 text of Windows-1252 bytes; every byte has a character.
std::string fromcp1252(std::string_view bytes);

// A saved game keeps a text in one record: at most this many bytes.
constexpr std::size_t longesttext = 126;

// Why a saved game could not hold this band name; nothing when it can.
std::optional<std::string> bandnameproblem(std::string_view utf8);

} // namespace quorvane
