#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

// Callables registered under 8-byte keys: lasting Handlers, and one-shot Handlers
// that are dropped once raised.
class EventRegistry {
public:
    EventRegistry() = default;
    EventRegistry(const EventRegistry&) = delete;
    EventRegistry& operator=(const EventRegistry&) = delete;
    virtual ~EventRegistry() = default;

    // A later registration under the same key replaces the earlier one.
    void Listen(std::uint64_t key, std::function<void()> handler) { Handlers[key] = std::move(handler); }
    void ListenOnce(std::uint64_t key, std::function<void()> handler) { OneShots[key] = std::move(handler); }
    void Forget(std::uint64_t key);
    // Calls the handler and the one-shot handler of the key, if any; unknown keys are ignored.
    void Raise(std::uint64_t key);

    std::map<std::uint64_t, std::function<void()>> Handlers;
    std::map<std::uint64_t, std::function<void()>> OneShots;
};

class GameEvents : public EventRegistry {};
class PlayerEvents : public EventRegistry {};

// The process-wide event hub, reached through Engine::Events.
class Events {
public:
    Events() : Game(std::make_unique<GameEvents>()), Player(std::make_unique<PlayerEvents>()) {}
    Events(const Events&) = delete;
    Events& operator=(const Events&) = delete;
    virtual ~Events() = default;

    std::unique_ptr<GameEvents> Game;
    std::unique_ptr<PlayerEvents> Player;
};
