#include "script/Events.h"

void EventRegistry::Forget(std::uint64_t key) {
    Handlers.erase(key);
    OneShots.erase(key);
}

void EventRegistry::Raise(std::uint64_t key) {
    // Copies: a handler may register or forget Handlers, its own included.
    if (const auto found = Handlers.find(key); found != Handlers.end() && found->second) {
        const std::function<void()> handler = found->second;
        handler();
    }
    if (const auto found = OneShots.find(key); found != OneShots.end()) {
        const std::function<void()> handler = std::move(found->second);
        OneShots.erase(found);
        if (handler) {
            handler();
        }
    }
}
