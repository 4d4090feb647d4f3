#include "editor/widgets/EdFieldText.h"

#include "core/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>

namespace EdFieldText {

namespace {

const std::regex& IntegerPattern() {
    static const std::regex pattern(R"(^\s*[-+]?\d+\s*$)");
    return pattern;
}

const std::regex& DecimalPattern() {
    static const std::regex pattern(R"(^[-+]?[0-9]*\.?[0-9]+$)");
    return pattern;
}

std::optional<std::int64_t> ParseInteger(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t\r\n\f\v");
    const std::size_t end = text.find_last_not_of(" \t\r\n\f\v") + 1;
    if (text[begin] == '+') {
        ++begin;
    }
    std::int64_t value = 0;
    const auto [at, error] = std::from_chars(text.data() + begin, text.data() + end, value);
    if (error != std::errc() || at != text.data() + end) {
        return std::nullopt;
    }
    return value;
}

// value + step truncated toward zero, for a whole step or one below 1 in size.
std::optional<std::int64_t> StepInteger(std::int64_t value, double step) {
    if (std::abs(step) < 1.0) {
        if (step > 0.0) return value < 0 ? value + 1 : value;
        return value > 0 ? value - 1 : value;
    }
    std::int64_t result = 0;
    if (__builtin_add_overflow(value, static_cast<std::int64_t>(step), &result)) {
        return std::nullopt;
    }
    return result;
}

std::optional<std::string> StepDecimal(const std::string& text, double step) {
    const double result = std::strtod(text.c_str(), nullptr) + step;
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    char buffer[40];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, result);
    return std::string(buffer, end);
}

// C0 and C1 controls and DEL move or mark, never show.
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

float Sum(const std::vector<float>& widths, std::size_t first, std::size_t last) {
    float sum = 0.0f;
    for (std::size_t i = first; i < last; ++i) {
        sum += widths[i];
    }
    return sum;
}

}  // namespace

std::optional<std::string> StepNumber(const std::string& text, double step) {
    if (std::regex_match(text, IntegerPattern())) {
        const std::optional<std::int64_t> value = ParseInteger(text);
        const std::optional<std::int64_t> result = value ? StepInteger(*value, step) : std::nullopt;
        return result ? std::optional<std::string>(std::to_string(*result)) : std::nullopt;
    }
    if (std::regex_match(text, DecimalPattern())) {
        return StepDecimal(text, step);
    }
    return std::nullopt;
}

Insertion Insertable(const std::string& text, std::size_t heldLength, const std::function<bool(char32_t)>& canDraw) {
    const std::size_t room = heldLength < MaxLength ? MaxLength - heldLength : 0;
    Insertion insertion;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t c = Utf8::Decode(text, at);
        if (c == '\n' || c == '\r' || insertion.Kept.size() + (at - start) > room) {
            break;
        }
        if (c == Utf8::Invalid || IsControl(c)) {
            continue;
        }
        if (canDraw && !canDraw(c)) {
            if (insertion.Refused.find(text.substr(start, at - start)) == std::string::npos) {
                insertion.Refused.append(text, start, at - start);
            }
            continue;
        }
        insertion.Kept.append(text, start, at - start);
    }
    return insertion;
}

Window Visible(const std::vector<float>& widths, std::size_t keep, std::size_t first, float room) {
    const std::size_t count = widths.size();
    const std::size_t shown = std::min(keep + 1, count);  // up to and with `keep`
    first = std::min(first, std::min(keep, count));
    while (first < shown && Sum(widths, first, shown) > room) {
        ++first;
    }
    while (first > 0 && Sum(widths, first - 1, count) <= room) {
        --first;
    }
    Window window{first, first};
    for (float used = 0.0f; window.Last < count && used + widths[window.Last] <= room; ++window.Last) {
        used += widths[window.Last];
    }
    return window;
}

}  // namespace EdFieldText
