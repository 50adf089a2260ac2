// Writing and reading saved games. Both directions walk one record table in the same
// order, so every file the writer makes reads back unchanged.
#include "persist/savefile.h"

#include "persist/cp1252.h"
#include "persist/diskfile.h"

#include <bit>
#include <cmath>

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

// Writes each record in place in a file image made at its full size, zeros and all, so a
// save takes one allocation for the file instead of one for every record.
class Writer {
public:
    void text(const std::string& value) {
        const auto bytes = tocp1252(value);
        if (!bytes || bytes->size() > longesttext) {
            fits = false;
            next();
            return;
        }
        char* out = little(static_cast<std::uint16_t>(bytes->size()));
        bytes->copy(out, bytes->size());
    }
    void integer(int16 value) { little(static_cast<std::uint16_t>(value)); }
    void date(Date value) {
        if (!incalendar(value)) fits = false;
        little(std::bit_cast<std::uint64_t>(static_cast<double>(oledays(value))));
    }
    void reserved() { next(); }

    std::string bytes = std::string(recordcount * recordsize, '\0');
    bool fits = true;

private:
    // Starts the next record with `value`, least significant byte first; returns where the
    // record goes on after it.
    template <typename Unsigned> char* little(Unsigned value) {
        char* out = next();
        for (std::size_t i = 0; i < sizeof value; ++i)
            out[i] = static_cast<char>(value >> (8 * i));
        return out + sizeof value;
    }
    char* next() { return &bytes[recordsize * record_++]; }

    std::size_t record_ = 0;
};

class Reader {
public:
    explicit Reader(std::string_view file) : file_(file) {}

    void text(std::string& value) {
        const auto length = unsigned_at(0, 2);
        if (length > longesttext) valid = false;
        const std::size_t start = record_ * recordsize + 2;
        const std::size_t wanted = std::min<std::size_t>(length, longesttext);
        if (start + wanted <= file_.size()) {
            value = fromcp1252(file_.substr(start, wanted));
        } else { // a short file: what is missing reads as zeros
            std::string bytes(wanted, '\0');
            for (std::size_t i = 0; i < wanted; ++i)
                bytes[i] = static_cast<char>(byte_at(2 + i));
            value = fromcp1252(bytes);
        }
        next();
    }
    void integer(int16& value) {
        value = static_cast<int16>(unsigned_at(0, 2));
        next();
    }
    void date(Date& value) {
        // A fraction is a time of day, which the game does not keep.
        const double days = std::trunc(std::bit_cast<double>(unsigned_at(0, 8)));
        if (days >= static_cast<double>(oledays(firstday)) &&
            days <= static_cast<double>(oledays(lastday))) {
            value = fromoledays(static_cast<long>(days));
        } else {
            valid = false; // out of the calendar, or not a number at all
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
    // The next song goes to the slot after `lastsong`, and the list shows 1..songcount; a
    // song in progress needs a free slot to land in.
    const bool songsfit = within(s.songcount, 0, songlimit) && s.lastsong == s.songcount &&
                          within(s.songtimer, 0, songidle) &&
                          (s.songtimer == songidle || s.songcount < songlimit);
    return !s.bandname.empty() && songsfit && within(s.applicantslot, 1, membercount) &&
           within(s.promotion, 0, 4);
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
    if (!bytes) return "a name in this game is too long or has characters a saved game cannot hold";
    // Never report a file as saved that loading would refuse or read back differently.
    if (decodesave(*bytes, state) != state) return "this game has values a saved game cannot hold";
    return replacefile(path, *bytes);
}

bool loadgame(Module1& state, const std::string& path) {
    const auto bytes = readregularfile(path, recordcount * recordsize);
    if (!bytes) return false;
    auto loaded = decodesave(*bytes, state);
    if (!loaded) return false;
    state = std::move(*loaded);
    return true;
}

} // namespace quorvane
