// Whole-file reading and replacing on a POSIX file system.
#include "persist/diskfile.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quorvane {

namespace {

std::string describe(int error) {
    std::string text = std::strerror(error);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool close() {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeall(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool readonly(const std::string& path, const struct stat& info) {
    // The write bits count even for root, who may write anything.
    return (info.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// Why an existing file may not be replaced, or nothing.
std::optional<std::string> unreplaceable(const std::string& path, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return std::string("it is a folder");
    if (!S_ISREG(info.st_mode)) return std::string("it is not an ordinary file");
    if (readonly(path, info)) return std::string("the file is read-only");
    return std::nullopt;
}

mode_t newfilemode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A link is followed to the file it names, which is replaced (or made, when the link points
// at nothing yet), so the link keeps working; a loop of links is refused.
std::optional<std::string> resolve(std::string& path) {
    namespace fs = std::filesystem;
    constexpr int mostlinks = 40; // as the system counts before it gives up on a loop
    for (int hops = 0; hops < mostlinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return std::nullopt;
        const fs::path target = fs::read_symlink(path, error);
        if (error) return describe(error.value());
        path = (fs::path(path).parent_path() / target).string();
    }
    return describe(ELOOP);
}

// A rename is only lasting once the folder holding it is on the disk too.
void syncfolder(const std::string& folder) {
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

// Gives the new file the owner of the file it replaces, where the saver may (only root can
// give a file away); otherwise it stays the saver's own.
void keepowner(const Descriptor& file, const struct stat& old) {
    if (::fchown(file.get(), old.st_uid, old.st_gid) != 0) return;
}

// Writes `bytes` to a new file with the permissions `mode`, and syncs it.
bool fill(const Descriptor& file, std::string_view bytes, mode_t mode) {
    return ::fchmod(file.get(), mode) == 0 && writeall(file.get(), bytes) &&
           ::fsync(file.get()) == 0;
}

} // namespace

std::optional<std::string> readregularfile(const std::string& path, std::size_t limit) {
    // Looked at before opening: opening some devices has effects of its own.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    // Non-blocking, so a file swapped for a pipe meanwhile cannot hold the game up either.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    std::string bytes(limit, '\0');
    std::size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

std::optional<std::string> replacefile(const std::string& path, std::string_view bytes) {
    std::string target = path;
    if (auto failure = resolve(target)) return failure;
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return describe(errno);
    if (exists) {
        if (auto failure = unreplaceable(target, old)) return failure;
    }
    std::string folder = std::filesystem::path(target).parent_path().string();
    if (folder.empty()) folder = ".";
    // A fresh name, made exclusively: nothing of the player's is overwritten or followed.
    std::string temporary = folder + "/.quorvane-XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) return describe(errno);

    if (exists) keepowner(file, old);
    // The first step to fail stops the rest, and its error is the one reported.
    errno = 0;
    const bool ok = fill(file, bytes, exists ? old.st_mode & 07777 : newfilemode()) &&
                    file.close() && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int error = errno != 0 ? errno : EIO; // read before the unlink can change it
        ::unlink(temporary.c_str());
        return describe(error);
    }
    syncfolder(folder);
    return std::nullopt;
}

} // namespace quorvane
