#include "platform/DirectoryWatcher.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

constexpr std::uint32_t kWatchedEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE | IN_DELETE;

void CloseIfOpen(int& descriptor) {
    if (descriptor >= 0) {
        close(descriptor);
        descriptor = -1;
    }
}

}  // namespace

DirectoryWatcher::DirectoryWatcher(const std::filesystem::path& directory, NameFilter relevant)
    : relevant_(std::move(relevant)) {
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    wake_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    const bool watched = inotify_ >= 0 && wake_ >= 0 &&
                         inotify_add_watch(inotify_, directory.c_str(), kWatchedEvents | IN_ONLYDIR) >= 0;
    if (!watched) {
        CloseIfOpen(inotify_);
        CloseIfOpen(wake_);
        return;
    }
    thread_ = std::thread(&DirectoryWatcher::Run, this);
}

DirectoryWatcher::~DirectoryWatcher() {
    if (thread_.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
        thread_.join();
    }
    CloseIfOpen(inotify_);
    CloseIfOpen(wake_);
}

void DirectoryWatcher::Run() {
    pollfd descriptors[2] = {{inotify_, POLLIN, 0}, {wake_, POLLIN, 0}};
    for (;;) {
        if (poll(descriptors, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        const short events = descriptors[0].revents;
        if (descriptors[1].revents != 0 || (events & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return;  // asked to stop, or inotify itself failed
        }
        if ((events & POLLIN) != 0 && !ReadEvents()) {
            return;
        }
    }
}

bool DirectoryWatcher::ReadEvents() {
    alignas(inotify_event) char buffer[16384];
    for (;;) {
        const ssize_t length = read(inotify_, buffer, sizeof buffer);
        if (length <= 0) {
            return length < 0 && (errno == EAGAIN || errno == EINTR);
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                changed_ = true;
            } else if (event->mask & IN_IGNORED) {
                return false;  // the directory was deleted or unmounted
            } else if (event->len > 0 && relevant_(event->name)) {
                changed_ = true;
            }
        }
    }
}
