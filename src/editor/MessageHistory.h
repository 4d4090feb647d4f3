#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

// The editor's messages: the ones on screen now, each for as long as it takes to read
// it, and the last twenty told, which the message bar shows again on request.
class MessageHistory {
public:
    static constexpr std::size_t Kept = 20;
    // More at once would hide the palettes; the oldest goes first.
    static constexpr std::size_t ShownAtOnce = 3;

    // The newest message, again, is shown longer instead of twice.
    void Add(const std::string& text);
    // Counts the shown messages' time down.
    void Tick(float seconds);
    // The messages still on screen, oldest first.
    std::vector<std::string> Showing() const;
    // The last Kept messages, oldest first.
    std::vector<std::string> Recent() const;

    // At least 5 s, and a second more for every 15 characters past 40, at most 15 s.
    static float ReadingSeconds(const std::string& text);

private:
    struct Told {
        std::string Text;
        float SecondsLeft = 0.0f;
    };
    std::deque<Told> told_;
};
