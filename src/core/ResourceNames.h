#pragma once

#include <functional>
#include <string>

class BitmapFont;
class Texture;

// How a reference property (a Texture* or BitmapFont*) turns into text and back.
// The manager that owns the resources plugs its two look-ups in when it is created
// and clears them when it goes, for example:
//
//     ResourceNames<Texture>::Find = [this](const std::string& n) { return FindTexture(n); };
//     ResourceNames<Texture>::NameOf = [](const Texture* t) { return t->Name; };
//
// Without a Find, or when Find returns null, parsing a name leaves the reference as
// it was; without a NameOf, a reference prints as "".
template <class Resource>
struct ResourceNames {
    static inline std::function<Resource*(const std::string&)> Find;
    static inline std::function<std::string(const Resource*)> NameOf;
};
