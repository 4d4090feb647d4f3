#pragma once

#include "core/Color.h"
#include "core/DrawLayer.h"
#include "core/PropertyText.h"
#include "core/Rect.h"
#include "core/ResourceNames.h"
#include "core/TextXAlignment.h"
#include "core/TextYAlignment.h"
#include "core/TypedTextRefusal.h"
#include "core/Vector2.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <typeinfo>
#include <utility>

// What a property of value type T looks like as text: how many sub-values it has,
// their names and types, and how each prints and parses. One specialisation per
// supported value type; PropertyValueTypes lists them all.
//
// Parse returns false, leaving the value alone, when the text does not convert.
// IsStorable is false for text that parses but that no file may hold: a NaN or an
// infinity (the text form has them), a bool that is none of its spellings.
//
// ParseChecked is the stricter parse of text typed into the editor: it returns why
// the text is refused (TypedTextRefusal), leaving the value alone, or "" once it has
// written the converted sub-value. AssignSub copies sub-value i alone from one value
// into another, so that a sub-value converted once can be written into any value.
template <class T>
struct PropertyTraits;

namespace PropertyTraitsDetail {

// A value with one unnamed sub-value.
template <class T>
struct Single {
    static constexpr int SubCount = 1;
    static const char* SubName(int) { return ""; }
    static const std::type_info& SubType(int) { return typeid(T); }
    static bool IsStorable(const T&, int, const std::string&) { return true; }
    static void AssignSub(T& to, const T& from, int) { to = from; }
};

// Writes parsed into value when refusal is "", and passes refusal on.
template <class T>
std::string TakeUnlessRefused(T& value, const T& parsed, std::string refusal) {
    if (refusal.empty()) {
        value = parsed;
    }
    return refusal;
}

template <class Number>
std::string ParseCheckedNumber(Number& value, const std::optional<Number>& parsed, const std::string& text) {
    std::string refusal = TypedTextRefusal::Number(parsed ? std::optional<double>(*parsed) : std::nullopt, text);
    return TakeUnlessRefused(value, parsed.value_or(Number{}), std::move(refusal));
}

// An enumeration's typed text must be one of its names: a known name prints back as
// itself, where the lenient parse turns any other text into some value.
template <class Enum>
std::string ParseCheckedEnum(Enum& value, const std::string& text) {
    Enum parsed{};
    PropertyTraits<Enum>::Parse(parsed, 0, text);
    const bool isKnown = PropertyTraits<Enum>::Print(parsed, 0) == text;
    return TakeUnlessRefused(value, parsed, TypedTextRefusal::Name(isKnown, text));
}

template <class Resource>
struct Reference : Single<Resource*> {
    static std::string Print(Resource* const& value, int) {
        const auto& nameOf = ResourceNames<Resource>::NameOf;
        return value != nullptr && nameOf ? nameOf(value) : "";
    }
    static bool Parse(Resource*& value, int, const std::string& text) {
        Resource* found = Find(text);
        if (found == nullptr) {
            return false;
        }
        value = found;
        return true;
    }
    // kind: what the refusal calls the resource ("texture", "font").
    static std::string ParseCheckedName(Resource*& value, const std::string& text, const char* kind) {
        Resource* found = Find(text);
        return TakeUnlessRefused(value, found, TypedTextRefusal::Reference(found != nullptr, kind, text));
    }

private:
    // Null without a manager to look the name up in.
    static Resource* Find(const std::string& text) {
        const auto& find = ResourceNames<Resource>::Find;
        return find ? find(text) : nullptr;
    }
};

}  // namespace PropertyTraitsDetail

template <>
struct PropertyTraits<float> : PropertyTraitsDetail::Single<float> {
    static std::string Print(const float& v, int) { return PropertyText::FormatFloat(v); }
    static bool Parse(float& v, int, const std::string& text) {
        const auto parsed = PropertyText::ParseFloat(text);
        if (parsed) v = *parsed;
        return parsed.has_value();
    }
    static bool IsStorable(const float& v, int, const std::string&) { return std::isfinite(v); }
    static std::string ParseChecked(float& v, int, const std::string& text) {
        return PropertyTraitsDetail::ParseCheckedNumber(v, PropertyText::ParseFloat(text), text);
    }
};

template <>
struct PropertyTraits<int> : PropertyTraitsDetail::Single<int> {
    static std::string Print(const int& v, int) { return PropertyText::FormatInt(v); }
    static bool Parse(int& v, int, const std::string& text) {
        const auto parsed = PropertyText::ParseInt(text);
        if (parsed) v = *parsed;
        return parsed.has_value();
    }
    static std::string ParseChecked(int& v, int, const std::string& text) {
        return PropertyTraitsDetail::ParseCheckedNumber(v, PropertyText::ParseInt(text), text);
    }
};

template <>
struct PropertyTraits<bool> : PropertyTraitsDetail::Single<bool> {
    static std::string Print(const bool& v, int) { return PropertyText::FormatBool(v); }
    static bool Parse(bool& v, int, const std::string& text) {
        v = PropertyText::ParseBool(text);
        return true;
    }
    static bool IsStorable(const bool&, int, const std::string& text) { return PropertyText::IsBoolSpelling(text); }
    static std::string ParseChecked(bool& v, int, const std::string& text) {
        const bool isSpelling = PropertyText::IsBoolSpelling(text);
        return PropertyTraitsDetail::TakeUnlessRefused(v, PropertyText::ParseBool(text),
                                                       TypedTextRefusal::Bool(isSpelling, text));
    }
};

template <>
struct PropertyTraits<std::string> : PropertyTraitsDetail::Single<std::string> {
    static std::string Print(const std::string& v, int) { return PropertyText::EscapeNewlines(v); }
    static bool Parse(std::string& v, int, const std::string& text) {
        v = PropertyText::UnescapeNewlines(text);
        return true;
    }
    // Any text is a string.
    static std::string ParseChecked(std::string& v, int i, const std::string& text) {
        Parse(v, i, text);
        return "";
    }
};

template <>
struct PropertyTraits<Vector2> {
    static constexpr int SubCount = 2;
    static const char* SubName(int i) { return i == 0 ? "X" : "Y"; }
    static const std::type_info& SubType(int) { return typeid(float); }
    static float& Field(Vector2& v, int i) { return i == 0 ? v.x : v.y; }
    static std::string Print(const Vector2& v, int i) {
        return PropertyText::FormatFloat(Field(const_cast<Vector2&>(v), i));
    }
    static bool Parse(Vector2& v, int i, const std::string& text) {
        return PropertyTraits<float>::Parse(Field(v, i), 0, text);
    }
    static bool IsStorable(const Vector2& v, int i, const std::string&) {
        return std::isfinite(Field(const_cast<Vector2&>(v), i));
    }
    static std::string ParseChecked(Vector2& v, int i, const std::string& text) {
        return PropertyTraits<float>::ParseChecked(Field(v, i), 0, text);
    }
    static void AssignSub(Vector2& to, const Vector2& from, int i) {
        Field(to, i) = Field(const_cast<Vector2&>(from), i);
    }
};

template <>
struct PropertyTraits<Rect> {
    static constexpr int SubCount = 4;
    static const char* SubName(int i) {
        static const char* const names[] = {"X", "Y", "Width", "Height"};
        return names[i];
    }
    static const std::type_info& SubType(int) { return typeid(float); }
    static float& Field(Rect& r, int i) {
        float* const fields[] = {&r.x, &r.y, &r.width, &r.height};
        return *fields[i];
    }
    static std::string Print(const Rect& r, int i) {
        return PropertyText::FormatFloat(Field(const_cast<Rect&>(r), i));
    }
    static bool Parse(Rect& r, int i, const std::string& text) {
        return PropertyTraits<float>::Parse(Field(r, i), 0, text);
    }
    static bool IsStorable(const Rect& r, int i, const std::string&) {
        return std::isfinite(Field(const_cast<Rect&>(r), i));
    }
    static std::string ParseChecked(Rect& r, int i, const std::string& text) {
        return PropertyTraits<float>::ParseChecked(Field(r, i), 0, text);
    }
    static void AssignSub(Rect& to, const Rect& from, int i) {
        Field(to, i) = Field(const_cast<Rect&>(from), i);
    }
};

template <>
struct PropertyTraits<Color> {
    static constexpr int SubCount = 2;
    static const char* SubName(int i) { return i == 0 ? "A" : "Rgb"; }
    static const std::type_info& SubType(int) { return typeid(std::string); }
    static std::string Print(const Color& c, int i) {
        return i == 0 ? PropertyText::FormatAlpha(c.a) : PropertyText::FormatRgb(c.r, c.g, c.b);
    }
    static bool Parse(Color& c, int i, const std::string& text) {
        if (i == 0) {
            const auto alpha = PropertyText::ParseAlpha(text);
            if (alpha) c.a = *alpha;
            return alpha.has_value();
        }
        const auto rgb = PropertyText::ParseRgb(text);
        if (rgb) SetRgb(c, *rgb);
        return rgb.has_value();
    }
    // Alpha text that is not finite does not convert.
    static bool IsStorable(const Color&, int, const std::string&) { return true; }
    // Typed alpha is a fraction within 0..1 and typed colour six hexadecimal digits at
    // most, where the text forms take any float and wrap larger numbers.
    static std::string ParseChecked(Color& c, int i, const std::string& text) {
        if (i == 0) {
            const auto fraction = PropertyText::ParseFloat(text);
            std::string refusal = TypedTextRefusal::Alpha(fraction, text);
            const auto alpha = refusal.empty() ? PropertyText::AlphaFromFraction(*fraction) : std::nullopt;
            if (alpha) c.a = *alpha;
            return refusal;
        }
        const auto rgb = PropertyText::ParseRgb(text);
        std::string refusal = TypedTextRefusal::Rgb(rgb, text);
        if (refusal.empty()) SetRgb(c, *rgb);
        return refusal;
    }
    static void AssignSub(Color& to, const Color& from, int i) {
        if (i == 0) {
            to.a = from.a;
        } else {
            to.r = from.r;
            to.g = from.g;
            to.b = from.b;
        }
    }

private:
    static void SetRgb(Color& c, std::uint32_t rgb) {
        c.r = static_cast<std::uint8_t>(rgb >> 16);
        c.g = static_cast<std::uint8_t>(rgb >> 8);
        c.b = static_cast<std::uint8_t>(rgb);
    }
};

template <>
struct PropertyTraits<Texture*> : PropertyTraitsDetail::Reference<Texture> {
    static std::string ParseChecked(Texture*& v, int, const std::string& text) {
        return ParseCheckedName(v, text, "texture");
    }
};

template <>
struct PropertyTraits<BitmapFont*> : PropertyTraitsDetail::Reference<BitmapFont> {
    static std::string ParseChecked(BitmapFont*& v, int, const std::string& text) {
        return ParseCheckedName(v, text, "font");
    }
};

template <>
struct PropertyTraits<DrawLayer> : PropertyTraitsDetail::Single<DrawLayer> {
    static std::string Print(const DrawLayer& v, int) { return PropertyText::FormatDrawLayer(v); }
    static bool Parse(DrawLayer& v, int, const std::string& text) {
        v = PropertyText::ParseDrawLayer(text);
        return true;
    }
    static std::string ParseChecked(DrawLayer& v, int, const std::string& text) {
        return PropertyTraitsDetail::ParseCheckedEnum(v, text);
    }
};

template <>
struct PropertyTraits<TextXAlignment> : PropertyTraitsDetail::Single<TextXAlignment> {
    static std::string Print(const TextXAlignment& v, int) { return PropertyText::FormatTextXAlignment(v); }
    static bool Parse(TextXAlignment& v, int, const std::string& text) {
        v = PropertyText::ParseTextXAlignment(text);
        return true;
    }
    static std::string ParseChecked(TextXAlignment& v, int, const std::string& text) {
        return PropertyTraitsDetail::ParseCheckedEnum(v, text);
    }
};

template <>
struct PropertyTraits<TextYAlignment> : PropertyTraitsDetail::Single<TextYAlignment> {
    static std::string Print(const TextYAlignment& v, int) { return PropertyText::FormatTextYAlignment(v); }
    static bool Parse(TextYAlignment& v, int, const std::string& text) {
        v = PropertyText::ParseTextYAlignment(text);
        return true;
    }
    static std::string ParseChecked(TextYAlignment& v, int, const std::string& text) {
        return PropertyTraitsDetail::ParseCheckedEnum(v, text);
    }
};

// Calls visit(std::type_identity<T>{}) for the supported value type whose type tag is
// `tag`; returns false for a tag that is none of them.
template <class Visitor>
bool VisitPropertyValueType(const std::type_info& tag, Visitor&& visit) {
    auto tryOne = [&]<class T>(std::type_identity<T> type) {
        if (tag != typeid(T)) {
            return false;
        }
        visit(type);
        return true;
    };
    return tryOne(std::type_identity<float>{}) || tryOne(std::type_identity<int>{}) ||
           tryOne(std::type_identity<bool>{}) || tryOne(std::type_identity<std::string>{}) ||
           tryOne(std::type_identity<Vector2>{}) || tryOne(std::type_identity<Rect>{}) ||
           tryOne(std::type_identity<Color>{}) || tryOne(std::type_identity<Texture*>{}) ||
           tryOne(std::type_identity<BitmapFont*>{}) || tryOne(std::type_identity<DrawLayer>{}) ||
           tryOne(std::type_identity<TextXAlignment>{}) || tryOne(std::type_identity<TextYAlignment>{});
}

// Texture and font references are kept as names wherever they are stored apart
// from a live object, and copied through their text.
inline bool IsReferenceType(const std::type_info& tag) {
    return tag == typeid(Texture*) || tag == typeid(BitmapFont*);
}
