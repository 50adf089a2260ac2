// Windows-1252 is Latin-1 except for 0x80..0x9F, which hold typographic characters.
#include "persist/cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quorvane {

namespace {

// Characters of bytes 0x80..0x9F. The five bytes Windows leaves undefined map to the C1
// control of the same number, so every byte survives a load and a save unchanged.
constexpr std::array<char32_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t characterof(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> byteof(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == c) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void appendutf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one UTF-8 character at pos and moves pos past it; nothing on a malformed sequence.
std::optional<char32_t> nextutf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || pos + extra > text.size()) return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr std::array<char32_t, 4> shortest = {0, 0x80, 0x800, 0x10000};
    if (c < shortest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return c;
}

} // namespace

std::optional<std::string> tocp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size()); // never longer than the UTF-8
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = nextutf8(utf8, pos);
        if (!c) return std::nullopt;
        const auto byte = byteof(*c);
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string fromcp1252(std::string_view bytes) {
    // Most texts are plain ASCII, which UTF-8 writes the same.
    if (std::ranges::all_of(bytes, [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char b : bytes)
        appendutf8(out, characterof(static_cast<unsigned char>(b)));
    return out;
}

std::optional<std::string> bandnameproblem(std::string_view utf8) {
    const auto bytes = tocp1252(utf8);
    if (!bytes)
        return "A saved game can only hold Western European letters, digits and punctuation in "
               "a band name. Please choose a name made of those.";
    if (bytes->size() > longesttext)
        return "That band name is too long for a saved game. Please use at most 126 "
               "characters.";
    return std::nullopt;
}

} // namespace quorvane
