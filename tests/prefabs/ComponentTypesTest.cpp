#include "core/GameObject.h"
#include "support/PrefabTestContent.h"

#include <box2d/b2_world.h>
#include <boost/property_tree/json_parser.hpp>

#include <sstream>

namespace {

// Every registered type, the ones to come included: it is made without a window,
// every property's text reads back as written, and a default instance saved into a
// prefab file loads back into a new component with the same values.
class ComponentTypesTest : public PrefabTestContent {
protected:
    ComponentTypesTest() { engine.Make(Engine::World, b2Vec2(0.0f, -10.0f)); }

    // Property and sub-value key -> text.
    static std::map<std::string, std::string> Texts(const IEditable& editable) {
        std::map<std::string, std::string> texts;
        for (const auto& [name, property] : editable.Properties) {
            for (int i = 0;; ++i) {
                const SubProperty sub = property->GetSubProperty(name, i);
                texts[sub.Key()] = sub.ToText();
                if (sub.IsLast) break;
            }
        }
        return texts;
    }

    // A prefab with one entry holding every value of `editable`, written and read back.
    std::unique_ptr<Prefab> SavedAndLoaded(const std::string& type, const IEditable& editable) {
        Prefab saved(manager, "RoundTrip");
        auto entry = std::make_unique<PrefabComponent>();
        entry->TypeName = type;
        entry->TypeTag = editable.TypeTag;
        for (const auto& [name, property] : editable.Properties) {
            entry->Properties[name] = property->CloneOwned();
            property->AssignTo(*entry->Properties[name]);
        }
        saved.Components.push_back(std::move(entry));
        const std::string json = saved.ToJson();

        boost::property_tree::ptree tree;
        std::istringstream in(json);
        boost::property_tree::read_json(in, tree);
        auto loaded = std::make_unique<Prefab>(manager, "RoundTrip");
        loaded->Read(tree);
        EXPECT_EQ(loaded->ToJson(), json);
        return loaded;
    }
};

TEST_F(ComponentTypesTest, EveryTypeRoundTripsItsPropertiesAndItsPrefab) {
    ASSERT_GT(manager.Types().size(), 10u);
    for (const auto& [type, registration] : manager.Types()) {
        SCOPED_TRACE(type);
        std::unique_ptr<IEditable> made = manager.Create(type);
        ASSERT_NE(made, nullptr);
        auto* component = dynamic_cast<Component*>(made.get());
        if (component == nullptr) {
            continue;  // the prefab entry type describes components; it is not one
        }
        GameObject holder;
        holder.AddComponent(component);
        IEditable& editable = *made.release();

        const auto before = Texts(editable);
        for (const auto& [name, property] : editable.Properties) {
            for (int i = 0;; ++i) {
                const SubProperty sub = property->GetSubProperty(name, i);
                sub.FromText(sub.ToText());
                if (sub.IsLast) break;
            }
        }
        EXPECT_EQ(Texts(editable), before) << "written text read back";

        const auto loaded = SavedAndLoaded(type, editable);
        GameObject target;
        loaded->ApplyComponents(target, loaded->Components, Prefab::ApplyMode::Create);
        ASSERT_EQ(target.Components().size(), 1u);
        EXPECT_EQ(Texts(*dynamic_cast<IEditable*>(target.Components()[0])), before) << "loaded from the prefab";
    }
    EXPECT_TRUE(warnings.empty());
}

}  // namespace
