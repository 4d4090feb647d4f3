#include "platform/AtomicFile.h"

#include "core/LongWork.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const char* what, int error) {
    throw std::runtime_error(file.string() + ": " + what + " (" + std::strerror(error) + ")");
}

// mkstemp replaces these with letters and digits.
constexpr const char* kUniqueSuffix = "XXXXXX";
constexpr std::size_t kUniqueLength = 6;

std::string TemporaryPattern(const std::filesystem::path& file) {
    return "." + file.filename().string() + "." + kUniqueSuffix;
}

bool IsUniqueCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// "." + the target's name (at least one character) + "." + the unique part.
bool IsTemporaryName(const std::string& name) {
    if (name.size() < 3 + kUniqueLength || name.front() != '.' || name[name.size() - kUniqueLength - 1] != '.') {
        return false;
    }
    return std::all_of(name.end() - kUniqueLength, name.end(), IsUniqueCharacter);
}

bool IsRegularFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.symlink_status(error).type() == std::filesystem::file_type::regular;
}

bool WriteAll(int fd, const std::string& bytes) {
    const char* at = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = write(fd, at, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        at += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// A new file keeps the permissions of the one it replaces (0644 when there is none).
mode_t ModeFor(const std::filesystem::path& file) {
    struct stat existing {};
    return stat(file.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
}

void SyncDirectory(const std::filesystem::path& directory) {
    const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes) {
    const LongWork writing;  // fsync on a slow or busy disk may take seconds
    std::filesystem::path directory = file.parent_path();
    if (directory.empty()) {
        directory = ".";
    }
    std::string pattern = (directory / TemporaryPattern(file)).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        Fail(file, "cannot open file", errno);
    }
    const std::filesystem::path temporary(name.data());
    const bool written = fchmod(fd, ModeFor(file)) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = close(fd) == 0;
    if (!written || !closed) {
        unlink(temporary.c_str());
        Fail(file, "cannot write file", written ? errno : writeError);
    }
    if (rename(temporary.c_str(), file.c_str()) != 0) {
        const int renameError = errno;
        unlink(temporary.c_str());
        Fail(file, "cannot replace file", renameError);
    }
    SyncDirectory(directory);
}

int RemoveLeftoverTemporaries(const std::filesystem::path& directory) {
    int removed = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (IsTemporaryName(it->path().filename().string()) && IsRegularFile(*it) &&
            std::filesystem::remove(it->path(), ignored)) {
            ++removed;
        }
    }
    return removed;
}
