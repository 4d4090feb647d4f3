#include "core/TypedTextRefusal.h"

#include <cmath>

namespace TypedTextRefusal {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

std::string Number(std::optional<double> value, const std::string& text) {
    if (!value) {
        return Quoted(text) + " is not a number";
    }
    if (!std::isfinite(*value)) {
        return Quoted(text) + " is not a finite number";
    }
    if (std::fabs(*value) > MaxTypedMagnitude) {
        return Quoted(text) + " is beyond 10000";
    }
    return "";
}

std::string Bool(bool isSpelling, const std::string& text) {
    return isSpelling ? "" : Quoted(text) + " is not true or false";
}

std::string Alpha(std::optional<float> fraction, const std::string& text) {
    const bool inRange = fraction && *fraction >= 0.0f && *fraction <= 1.0f;  // NaN fails both
    return inRange ? "" : "alpha " + Quoted(text) + " is not between 0 and 1";
}

std::string Rgb(std::optional<std::uint32_t> rgb, const std::string& text) {
    return rgb && *rgb <= 0xffffffu ? "" : Quoted(text) + " is not a colour rrggbb";
}

std::string Name(bool isKnown, const std::string& text) {
    return isKnown ? "" : "unknown name " + Quoted(text);
}

std::string Reference(bool isFound, const char* kind, const std::string& text) {
    return isFound ? "" : std::string("unknown ") + kind + " " + Quoted(text);
}

}  // namespace TypedTextRefusal
