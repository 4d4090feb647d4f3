#include "editor/MessageHistory.h"

#include <algorithm>

float MessageHistory::ReadingSeconds(const std::string& text) {
    const float beyond = static_cast<float>(text.size() > 40 ? text.size() - 40 : 0);
    return std::min(5.0f + beyond / 15.0f, 15.0f);
}

void MessageHistory::Add(const std::string& text) {
    if (told_.empty() || told_.back().Text != text) {
        told_.push_back({text, 0.0f});
    }
    told_.back().SecondsLeft = ReadingSeconds(text);
    if (told_.size() > Kept) {
        told_.pop_front();
    }
    std::size_t shown = 0;
    for (auto at = told_.rbegin(); at != told_.rend(); ++at) {
        if (at->SecondsLeft > 0.0f && ++shown > ShownAtOnce) {
            at->SecondsLeft = 0.0f;
        }
    }
}

void MessageHistory::Tick(float seconds) {
    for (Told& told : told_) {
        told.SecondsLeft = std::max(told.SecondsLeft - seconds, 0.0f);
    }
}

std::vector<std::string> MessageHistory::Showing() const {
    std::vector<std::string> shown;
    for (const Told& told : told_) {
        if (told.SecondsLeft > 0.0f) {
            shown.push_back(told.Text);
        }
    }
    return shown;
}

std::vector<std::string> MessageHistory::Recent() const {
    std::vector<std::string> recent;
    for (const Told& told : told_) {
        recent.push_back(told.Text);
    }
    return recent;
}
