#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

// Watches one directory (not its subdirectories) on a thread of its own with
// inotify: a file written and closed, moved in or out, created or deleted whose
// name passes the filter raises a flag the main thread takes. An overflowed event
// queue counts as a change, since what it dropped is unknown.
class DirectoryWatcher {
public:
    // Called on the watcher thread with a bare file name; must not touch shared state.
    using NameFilter = std::function<bool(const std::string& fileName)>;

    // A directory that cannot be watched leaves the watcher idle, without a thread.
    DirectoryWatcher(const std::filesystem::path& directory, NameFilter relevant);
    // Wakes the thread through its event descriptor and joins it.
    ~DirectoryWatcher();
    DirectoryWatcher(const DirectoryWatcher&) = delete;
    DirectoryWatcher& operator=(const DirectoryWatcher&) = delete;

    // Whether a change arrived since the last call. Read and cleared in one step, so
    // a change landing in between is kept for the next call.
    bool TakeChange() { return changed_.exchange(false); }

private:
    void Run();
    // Reads what inotify has; false once the directory is gone.
    bool ReadEvents();

    NameFilter relevant_;
    int inotify_ = -1;
    int wake_ = -1;
    std::atomic<bool> changed_{false};
    std::thread thread_;
};
