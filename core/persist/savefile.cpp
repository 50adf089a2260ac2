// Writing and reading saved games. Both directions walk one record table in the same
// order, so every file the writer makes reads back unchanged.
#include "persist/savefile.h"

#include "persist/cp1252.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace quorvane {

namespace {

static_assert(std::endian::native == std::endian::little, "the file format is little-endian");

// The stored fields, record by record. `State` is Module1 for reading and const Module1
// for writing.
template <typename State, typename Records> void walk(State& s, Records& r) {
    r.text(s.bandname);
    r.integer(s.popularity);
    for (int slot = 1; slot <= membercount; ++slot) {
        r.text(s.membername[slot]);
        r.integer(s.memberage[slot]);
        r.text(s.membersex[slot]);
        r.integer(s.happiness[slot]);
        r.integer(s.illweeks[slot]);
        r.integer(s.discord[slot]);
        r.integer(s.talent[slot]);
        r.integer(s.charisma[slot]);
        r.integer(s.attitude[slot]);
        r.integer(s.looks[slot]);
        r.integer(s.songwriting[slot]);
        r.integer(s.listslot[slot]);
    }
    for (int song = 1; song <= songlimit; ++song) {
        r.text(s.songname[song]);
        r.integer(s.songquality[song]);
    }
    for (auto* scalar : {&s.cash, &s.applicantslot, &s.tiredness, &s.lastsong, &s.songcount,
                         &s.applicantsthisweek, &s.songtimer, &s.invitation})
        r.integer(*scalar);
    r.date(s.gamedate);
    r.integer(s.promotion);
    r.reserved();
    for (int venue = 1; venue <= venuecount; ++venue)
        r.integer(s.venueopen[venue]);
}

class Writer {
public:
    void text(const std::string& value) {
        const auto bytes = tocp1252(value);
        if (!bytes || bytes->size() > longesttext) {
            fits = false;
            return;
        }
        std::string record = little(static_cast<std::uint16_t>(bytes->size())) + *bytes;
        put(record);
    }
    void integer(int16 value) { put(little(static_cast<std::uint16_t>(value))); }
    void date(Date value) { put(little(std::bit_cast<std::uint64_t>(double(oledays(value))))); }
    void reserved() { put(std::string(2, '\0')); }

    std::string bytes;
    bool fits = true;

private:
    template <typename Unsigned> static std::string little(Unsigned value) {
        std::string out;
        for (std::size_t i = 0; i < sizeof value; ++i)
            out += static_cast<char>(value >> (8 * i));
        return out;
    }
    void put(std::string record) {
        record.resize(recordsize, '\0');
        bytes += record;
    }
};

class Reader {
public:
    explicit Reader(std::string_view file) : file_(file) {}

    void text(std::string& value) {
        const auto length = unsigned_at(0, 2);
        if (length > longesttext) valid = false;
        std::string bytes;
        for (std::size_t i = 0; i < std::min<std::size_t>(length, longesttext); ++i)
            bytes += static_cast<char>(byte_at(2 + i));
        value = fromcp1252(bytes);
        next();
    }
    void integer(int16& value) {
        value = static_cast<int16>(unsigned_at(0, 2));
        next();
    }
    void date(Date& value) {
        const double days = std::bit_cast<double>(unsigned_at(0, 8));
        // The OLE range, 1 January 100 to 31 December 9999; a fraction is a time of day.
        if (days >= -657434.0 && days < 2958466.0) {
            value = fromoledays(static_cast<long>(std::trunc(days)));
        } else {
            valid = false;
        }
        next();
    }
    void reserved() { next(); }

    bool valid = true;

private:
    unsigned char byte_at(std::size_t offset) const {
        const std::size_t at = record_ * recordsize + offset;
        return at < file_.size() ? static_cast<unsigned char>(file_[at]) : 0;
    }
    std::uint64_t unsigned_at(std::size_t offset, std::size_t width) const {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i)
            value |= std::uint64_t{byte_at(offset + i)} << (8 * i);
        return value;
    }
    void next() { ++record_; }

    std::string_view file_;
    std::size_t record_ = 0;
};

// Values outside these bounds would index past a table or stall a counter.
bool playable(const Module1& s) {
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    for (int slot = 1; slot <= membercount; ++slot)
        if (!within(s.listslot[slot], 0, membercount)) return false;
    return !s.bandname.empty() && within(s.songcount, 0, songlimit) &&
           within(s.lastsong, 0, songlimit) && within(s.applicantslot, 1, membercount) &&
           within(s.songtimer, 0, songidle) && within(s.promotion, 0, 4);
}

std::string reason(int error) {
    return std::strerror(error);
}

// Writes all of `bytes` to `path`, flushed to the disk; why it failed, or nothing.
std::optional<std::string> writefile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return reason(errno);
    bool ok =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
#if __has_include(<unistd.h>)
    // Flushed to the disk before the rename, so a crash cannot leave an empty file behind.
    ok = ok && ::fsync(fileno(file)) == 0;
#endif
    const int error = errno;
    ok = std::fclose(file) == 0 && ok;
    if (!ok) return reason(error != 0 ? error : errno);
    return std::nullopt;
}

} // namespace

std::optional<std::string> encodesave(const Module1& state) {
    Writer writer;
    walk(state, writer);
    if (!writer.fits) return std::nullopt;
    return std::move(writer.bytes);
}

std::optional<Module1> decodesave(std::string_view bytes, const Module1& current) {
    Module1 loaded = current;
    Reader reader(bytes.substr(0, std::min(bytes.size(), recordcount * recordsize)));
    walk(loaded, reader);
    if (!reader.valid || !playable(loaded)) return std::nullopt;
    return loaded;
}

std::optional<std::string> savegame(const Module1& state, const std::string& path) {
    const auto bytes = encodesave(state);
    if (!bytes) return "A name in this game is too long or has characters a saved game cannot hold";
    const std::string temporary = path + ".saving";
    if (auto failure = writefile(temporary, *bytes)) {
        std::remove(temporary.c_str());
        return failure;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        return reason(error);
    }
    return std::nullopt;
}

bool loadgame(Module1& state, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string bytes;
    bytes.resize(recordcount * recordsize);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    auto loaded = decodesave(bytes, state);
    if (!loaded) return false;
    state = std::move(*loaded);
    return true;
}

} // namespace quorvane
