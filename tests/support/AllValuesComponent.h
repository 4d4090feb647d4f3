#pragma once

#include "core/Behavior.h"
#include "core/IEditable.h"
#include "core/Rect.h"

#include <string>
#include <vector>

// A component with a property of every value type, plain and through proxies, for
// tests of the text forms, the file format and instancing.
class AllValuesComponent : public Component, public IEditable {
public:
    AllValuesComponent() {
        AddProperty("Float", Float);
        AddProperty("Int", Int);
        AddProperty("Bool", Bool);
        AddProperty("String", String);
        AddProperty("Vector", Vector);
        AddProperty("Area", Area);
        AddProperty("Color", Colour);
        AddProperty("Texture", TextureRef);
        AddProperty("Font", FontRef);
        AddProperty("Layer", Layer);
        AddProperty("XAlign", XAlign);
        AddProperty("YAlign", YAlign);
        AddProxy<Vector2>("ProxyVector", [this] { return Vector; }, [this](Vector2 v) {
            Vector = v;
            ++ProxyWrites;
        });
        AddProxy<std::string>("ProxyString", [this] { return String; }, [this](std::string s) { String = s; });
    }

    float Float = 0.5f;
    int Int = 7;
    bool Bool = true;
    std::string String = "default";
    Vector2 Vector{1.0f, 2.0f};
    Rect Area{0.0f, 0.0f, 10.0f, 20.0f};
    Color Colour{255, 255, 255, 255};
    Texture* TextureRef = nullptr;
    BitmapFont* FontRef = nullptr;
    DrawLayer Layer = DrawLayer::Foreground;
    TextXAlignment XAlign = TextXAlignment::Center;
    TextYAlignment YAlign = TextYAlignment::Middle;
    int ProxyWrites = 0;
};

// A behaviour that records its Start calls and the order they happen in.
class StartLogBehavior : public Behavior {
public:
    StartLogBehavior() { AddProperty("Tag", Tag); }
    void Start() override;

    std::string Tag;
    static inline std::vector<std::string>* Log = nullptr;
};

inline void StartLogBehavior::Start() {
    if (Log != nullptr) {
        Log->push_back(Tag + ".start");
    }
}
