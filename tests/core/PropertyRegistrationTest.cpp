#include "core/ResourceNames.h"
#include "support/AllValuesComponent.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

std::string Text(const IEditable& object, const std::string& property, int index = 0) {
    return object.FindProperty(property)->GetSubProperty(property, index).ToText();
}

void SetText(IEditable& object, const std::string& property, int index, const std::string& text) {
    object.FindProperty(property)->GetSubProperty(property, index).FromText(text);
}

// Stands in for the texture manager: textures are only ever handled by pointer here,
// so any distinct addresses serve as textures.
class FakeTextures {
public:
    FakeTextures() {
        ResourceNames<Texture>::Find = [this](const std::string& name) -> Texture* {
            auto at = byName.find(name);
            return at != byName.end() ? at->second : nullptr;
        };
        ResourceNames<Texture>::NameOf = [this](const Texture* texture) {
            for (const auto& [name, t] : byName) {
                if (t == texture) return name;
            }
            return std::string();
        };
    }
    ~FakeTextures() {
        ResourceNames<Texture>::Find = nullptr;
        ResourceNames<Texture>::NameOf = nullptr;
    }

    char storage[2] = {};
    std::map<std::string, Texture*> byName{{"Ants", reinterpret_cast<Texture*>(&storage[0])},
                                           {"Seeds", reinterpret_cast<Texture*>(&storage[1])}};
};

TEST(PropertyRegistrationTest, SubPropertiesAreEnumeratedInOrderUntilTheLastOne) {
    AllValuesComponent c;
    const std::map<std::string, std::vector<std::string>> expected{
        {"Vector", {"Vector.X", "Vector.Y"}},
        {"Area", {"Area.X", "Area.Y", "Area.Width", "Area.Height"}},
        {"Color", {"Color.A", "Color.Rgb"}},
        {"Int", {"Int"}},
        {"Texture", {"Texture"}},
    };
    for (const auto& [property, keys] : expected) {
        std::vector<std::string> seen;
        for (int i = 0;; ++i) {
            const SubProperty sub = c.FindProperty(property)->GetSubProperty(property, i);
            seen.push_back(sub.Key());
            if (sub.IsLast) break;
        }
        EXPECT_EQ(seen, keys) << property;
    }
    EXPECT_EQ(*c.FindProperty("Color")->GetSubProperty("Color", 1).SubTypeTag, typeid(std::string));
    EXPECT_EQ(*c.FindProperty("Area")->GetSubProperty("Area", 2).SubTypeTag, typeid(float));
}

TEST(PropertyRegistrationTest, CompoundSubValuesReadAndWriteOnlyTheirOwnPart) {
    AllValuesComponent c;
    c.Colour = Color{255, 128, 0, 200};
    EXPECT_EQ(Text(c, "Color", 1), "ff8000");
    SetText(c, "Color", 1, "0A0B0C");
    EXPECT_EQ(c.Colour, (Color{10, 11, 12, 200})) << "parsing Rgb keeps alpha";
    SetText(c, "Color", 0, "0.5");
    EXPECT_EQ(c.Colour.a, 127);

    SetText(c, "Area", 3, "9.5");
    EXPECT_EQ(c.Area, (Rect{0, 0, 10, 9.5f}));
    SetText(c, "Vector", 0, "not a number");
    EXPECT_EQ(c.Vector, (Vector2{1, 2})) << "unconvertible text changes nothing";
}

TEST(PropertyRegistrationTest, EnumerationsAndStringsThroughTheirTexts) {
    AllValuesComponent c;
    EXPECT_EQ(Text(c, "Layer"), "Foreground");
    SetText(c, "Layer", 0, "Nope");
    EXPECT_EQ(c.Layer, DrawLayer::None);
    SetText(c, "XAlign", 0, "Right");
    EXPECT_EQ(c.XAlign, TextXAlignment::Right);
    c.String = "a\nb";
    EXPECT_EQ(Text(c, "String"), "a\\nb");
    SetText(c, "String", 0, "x\\ny");
    EXPECT_EQ(c.String, "x\ny");
}

TEST(PropertyRegistrationTest, ProxiesReadWithTheGetterAndWriteWithTheSetter) {
    AllValuesComponent c;
    SetText(c, "ProxyVector", 1, "8");
    EXPECT_EQ(c.Vector, (Vector2{1, 8}));
    EXPECT_EQ(c.ProxyWrites, 1);
    EXPECT_EQ(Text(c, "ProxyVector", 1), "8");

    PropertyProxyImpl<int> unset(nullptr, nullptr);
    EXPECT_THROW(unset.GetSubProperty("P", 0).ToText(), std::bad_function_call);
    EXPECT_THROW(unset.GetSubProperty("P", 0).FromText("1"), std::bad_function_call);
}

TEST(PropertyRegistrationTest, AssignToCopiesDirectlyIntoFieldsAndSetters) {
    AllValuesComponent from;
    AllValuesComponent to;
    from.Vector = {5, 6};
    from.FindProperty("Vector")->AssignTo(*to.FindProperty("ProxyVector"));
    EXPECT_EQ(to.Vector, (Vector2{5, 6}));
    EXPECT_EQ(to.ProxyWrites, 1);

    from.Area = {1, 2, 3, 4};
    from.FindProperty("Area")->AssignTo(*to.FindProperty("Area"));
    EXPECT_EQ(to.Area, from.Area);

    // Different value types meet through the text form.
    from.Int = 12;
    from.FindProperty("Int")->AssignTo(*to.FindProperty("Float"));
    EXPECT_EQ(to.Float, 12.0f);
}

TEST(PropertyRegistrationTest, ReferencesAreCopiedThroughTheirNames) {
    FakeTextures textures;
    AllValuesComponent c;
    auto name = c.FindProperty("Texture")->CloneOwned();
    ASSERT_EQ(name->TypeTag(), typeid(std::string)) << "a stored reference is its name";

    *static_cast<std::string*>(name->Value()) = "Seeds";
    name->AssignTo(*c.FindProperty("Texture"));
    EXPECT_EQ(c.TextureRef, textures.byName["Seeds"]);

    *static_cast<std::string*>(name->Value()) = "Unknown";
    name->AssignTo(*c.FindProperty("Texture"));
    EXPECT_EQ(c.TextureRef, textures.byName["Seeds"]) << "an unknown name leaves the reference";

    auto back = c.FindProperty("Texture")->CloneOwned();
    c.FindProperty("Texture")->AssignTo(*back);
    EXPECT_EQ(*static_cast<std::string*>(back->Value()), "Seeds");
}

TEST(PropertyRegistrationTest, ReferencesWithoutAManagerPrintEmptyAndStayUnchanged) {
    AllValuesComponent c;
    c.FontRef = reinterpret_cast<BitmapFont*>(&c);
    EXPECT_EQ(Text(c, "Font"), "");
    SetText(c, "Font", 0, "Big");
    EXPECT_EQ(c.FontRef, reinterpret_cast<BitmapFont*>(&c));
}

TEST(PropertyRegistrationTest, ClonesOwnDefaultsOrNothing) {
    AllValuesComponent c;
    auto owned = c.FindProperty("Area")->CloneOwned();
    EXPECT_TRUE(owned->OwnsValue());
    EXPECT_EQ(*static_cast<Rect*>(owned->Value()), Rect{});
    auto proxyOwned = c.FindProperty("ProxyVector")->CloneOwned();
    EXPECT_EQ(proxyOwned->TypeTag(), typeid(Vector2));
    EXPECT_NE(proxyOwned->Value(), nullptr);

    auto empty = c.FindProperty("Int")->CloneEmpty();
    EXPECT_FALSE(empty->OwnsValue());
    EXPECT_EQ(empty->Value(), nullptr);
    EXPECT_EQ(empty->GetSubProperty("Int", 0).ToText(), "");
    empty->GetSubProperty("Int", 0).FromText("3");  // nothing to write into: no crash
    empty->AssignTo(*c.FindProperty("Int"));
    EXPECT_EQ(c.Int, 7);
}

}  // namespace
