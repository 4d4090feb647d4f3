#include "core/PropertyText.h"

#include <boost/lexical_cast.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace PropertyText {

namespace {

constexpr std::array<std::pair<DrawLayer, const char*>, 12> kDrawLayerNames{{
    {DrawLayer::Background, "Background"},
    {DrawLayer::BackgroundLit, "BackgroundLit"},
    {DrawLayer::ForegroundLit, "ForegroundLit"},
    {DrawLayer::SpriteLights, "SpriteLights"},
    {DrawLayer::Foreground, "Foreground"},
    {DrawLayer::ForegroundAdd, "ForegroundAdd"},
    {DrawLayer::Ui, "Ui"},
    {DrawLayer::EditorSelection, "EditorSelection"},
    {DrawLayer::Editor, "Editor"},
    {DrawLayer::EditorText, "EditorText"},
    {DrawLayer::Editor2, "Editor2"},
    {DrawLayer::EditorText2, "EditorText2"},
}};

constexpr std::array<const char*, 3> kXAlignmentNames{"Left", "Center", "Right"};
constexpr std::array<const char*, 3> kYAlignmentNames{"Top", "Middle", "Bottom"};

template <class Enum>
std::string NameAt(const std::array<const char*, 3>& names, Enum value) {
    const int index = static_cast<int>(value);
    return index >= 0 && index < 3 ? names[static_cast<std::size_t>(index)] : "";
}

template <class Enum>
Enum IndexOf(const std::array<const char*, 3>& names, const std::string& text) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (text == names[i]) {
            return static_cast<Enum>(i);
        }
    }
    return static_cast<Enum>(0);
}

}  // namespace

std::string FormatFloat(float value) {
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    if (std::isinf(value)) {
        return std::signbit(value) ? "-inf" : "inf";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

std::string FormatShortestFloat(float value) {
    if (!std::isfinite(value)) {
        return FormatFloat(value);
    }
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

std::string ShortenFloats(const std::string& text) {
    std::string shortened;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t wordEnd = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, wordEnd - at);
        float value = 0.0f;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        const bool isPrinted = !word.empty() && error == std::errc() && end == word.data() + word.size() &&
                               std::isfinite(value) && FormatFloat(value) == word;
        shortened += isPrinted ? FormatShortestFloat(value) : word;
        if (wordEnd < text.size()) {
            shortened += ' ';
        }
        at = wordEnd + 1;
    }
    return shortened;
}

std::optional<float> ParseFloat(const std::string& text) {
    try {
        return boost::lexical_cast<float>(text);
    } catch (const boost::bad_lexical_cast&) {
        return std::nullopt;
    }
}

std::string FormatInt(int value) {
    return std::to_string(value);
}

std::optional<int> ParseInt(const std::string& text) {
    try {
        return boost::lexical_cast<int>(text);
    } catch (const boost::bad_lexical_cast&) {
        return std::nullopt;
    }
}

std::string FormatBool(bool value) {
    return value ? "true" : "false";
}

bool ParseBool(const std::string& text) {
    return text == "true" || text == "1" || text == "t";
}

bool IsBoolSpelling(const std::string& text) {
    return ParseBool(text) || text == "false" || text == "0" || text == "f";
}

std::string EscapeNewlines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeNewlines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatAlpha(std::uint8_t alpha) {
    return FormatFloat(static_cast<float>(alpha) / 255.0f);
}

std::optional<std::uint8_t> ParseAlpha(const std::string& text) {
    const std::optional<float> fraction = ParseFloat(text);
    return fraction ? AlphaFromFraction(*fraction) : std::nullopt;
}

std::optional<std::uint8_t> AlphaFromFraction(float fraction) {
    const float scaled = fraction * 255.0f;
    // Converting a float outside the integer's range is undefined; such text is
    // treated like text that does not convert.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 2147483648.0f) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(static_cast<std::int32_t>(scaled));
}

std::string FormatRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", r, g, b);
    return buffer;
}

std::optional<std::uint32_t> ParseRgb(const std::string& text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 16);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string FormatDrawLayer(DrawLayer layer) {
    for (const auto& [value, name] : kDrawLayerNames) {
        if (value == layer) {
            return name;
        }
    }
    return "";
}

DrawLayer ParseDrawLayer(const std::string& text) {
    for (const auto& [value, name] : kDrawLayerNames) {
        if (text == name) {
            return value;
        }
    }
    return DrawLayer::None;
}

std::string FormatTextXAlignment(TextXAlignment alignment) {
    return NameAt(kXAlignmentNames, alignment);
}

TextXAlignment ParseTextXAlignment(const std::string& text) {
    return IndexOf<TextXAlignment>(kXAlignmentNames, text);
}

std::string FormatTextYAlignment(TextYAlignment alignment) {
    return NameAt(kYAlignmentNames, alignment);
}

TextYAlignment ParseTextYAlignment(const std::string& text) {
    return IndexOf<TextYAlignment>(kYAlignmentNames, text);
}

}  // namespace PropertyText
