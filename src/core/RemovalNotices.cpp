#include "core/RemovalNotices.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<int, RemovalNotices::Listener>> listeners;
int lastId = 0;
}  // namespace

int RemovalNotices::Listen(Listener listener) {
    listeners.emplace_back(++lastId, std::move(listener));
    return lastId;
}

void RemovalNotices::Stop(int id) {
    listeners.erase(std::remove_if(listeners.begin(), listeners.end(), [id](const auto& entry) { return entry.first == id; }),
                    listeners.end());
}

void RemovalNotices::Announce(GameObject& removed) {
    for (const auto& [id, listener] : listeners) {
        listener(removed);
    }
}
