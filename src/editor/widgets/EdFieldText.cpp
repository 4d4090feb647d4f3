#include "editor/widgets/EdFieldText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
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
    std::snprintf(buffer, sizeof buffer, "%.*g", 17, result);
    return std::string(buffer);
}

bool IsPrintable(char c) { return c >= 0x20 && c < 0x7F; }

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

std::string Insertable(const std::string& text, std::size_t heldLength) {
    const std::size_t room = heldLength < MaxLength ? MaxLength - heldLength : 0;
    std::string kept;
    for (char c : text) {
        if (c == '\n' || c == '\r' || kept.size() >= room) {
            break;
        }
        if (IsPrintable(c)) {
            kept += c;
        }
    }
    return kept;
}

}  // namespace EdFieldText
