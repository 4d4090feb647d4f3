#include "editor/PropertyTextCheck.h"

#include "core/PropertyTraits.h"

#include <cmath>
#include <initializer_list>

namespace {

std::string NumberRefusal(std::optional<double> value, const std::string& text) {
    if (!value) {
        return "\"" + text + "\" is not a number";
    }
    if (!std::isfinite(*value)) {
        return "\"" + text + "\" is not a finite number";
    }
    if (std::fabs(*value) > MaxTypedMagnitude) {
        return "\"" + text + "\" is beyond 10000";
    }
    return "";
}

std::string FloatRefusal(const std::string& text) {
    const std::optional<float> parsed = PropertyText::ParseFloat(text);
    return NumberRefusal(parsed ? std::optional<double>(*parsed) : std::nullopt, text);
}

std::string IntRefusal(const std::string& text) {
    const std::optional<int> parsed = PropertyText::ParseInt(text);
    return NumberRefusal(parsed ? std::optional<double>(*parsed) : std::nullopt, text);
}

std::string BoolRefusal(const std::string& text) {
    for (const char* spelling : {"true", "false", "t", "f", "1", "0"}) {
        if (text == spelling) {
            return "";
        }
    }
    return "\"" + text + "\" is not true or false";
}

std::string ColorRefusal(int subIndex, const std::string& text) {
    if (subIndex == 0) {
        const std::optional<float> alpha = PropertyText::ParseFloat(text);
        const bool inRange = alpha && *alpha >= 0.0f && *alpha <= 1.0f;  // NaN fails both
        return inRange ? "" : "alpha \"" + text + "\" is not between 0 and 1";
    }
    const std::optional<std::uint32_t> rgb = PropertyText::ParseRgb(text);
    return rgb && *rgb <= 0xffffffu ? "" : "\"" + text + "\" is not a colour rrggbb";
}

// An enumeration's text is checked by printing what it parses to: a known name
// prints back as itself.
template <class Enum>
std::string EnumRefusal(const std::string& text) {
    Enum value{};
    PropertyTraits<Enum>::Parse(value, 0, text);
    return PropertyTraits<Enum>::Print(value, 0) == text ? "" : "unknown name \"" + text + "\"";
}

template <class Resource>
std::string ReferenceRefusal(const std::string& text, const char* kind) {
    const auto& find = ResourceNames<Resource>::Find;
    return find && find(text) != nullptr ? "" : std::string("unknown ") + kind + " \"" + text + "\"";
}

}  // namespace

std::string PropertyTextRefusal(const std::type_info& valueType, int subIndex, const std::string& text) {
    if (valueType == typeid(float) || valueType == typeid(Vector2) || valueType == typeid(Rect)) {
        return FloatRefusal(text);
    }
    if (valueType == typeid(int)) return IntRefusal(text);
    if (valueType == typeid(bool)) return BoolRefusal(text);
    if (valueType == typeid(Color)) return ColorRefusal(subIndex, text);
    if (valueType == typeid(DrawLayer)) return EnumRefusal<DrawLayer>(text);
    if (valueType == typeid(TextXAlignment)) return EnumRefusal<TextXAlignment>(text);
    if (valueType == typeid(TextYAlignment)) return EnumRefusal<TextYAlignment>(text);
    if (valueType == typeid(Texture*)) return ReferenceRefusal<Texture>(text, "texture");
    if (valueType == typeid(BitmapFont*)) return ReferenceRefusal<BitmapFont>(text, "font");
    return "";  // strings take any text
}
