#include "platform/AtomicFile.h"

#include "core/LongWork.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const char* what, int error) {
    throw std::runtime_error(file.string() + ": " + what + " (" + std::strerror(error) + ")");
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
    std::string pattern = (directory / ("." + file.filename().string() + ".XXXXXX")).string();
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
