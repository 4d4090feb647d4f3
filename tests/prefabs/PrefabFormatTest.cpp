#include "core/ContentError.h"
#include "support/PrefabTestContent.h"

namespace {

class PrefabFormatTest : public PrefabTestContent {
protected:
    // Loads text as prefab `name` from its file and returns what Save writes.
    std::string RoundTrip(const std::string& name, const std::string& text) {
        Prefab* prefab = AddPrefab(name, text);
        prefab->Save();
        return ReadFile(PrefabDir() / (name + ".json"));
    }
};

// Files in exactly the form the program writes them; each must come back byte for byte.
const char* const kCorpus[] = {
    // Nothing at all.
    R"({
    "Components": "",
    "AutoCreate": ""
}
)",
    // The worked example: properties sorted by name, a compound value as an object, a
    // component without values as "", a child with a name and no overrides.
    R"({
    "Components": {
        "Pos2dComponent": {
            "IsRelative": "true",
            "Pos": {
                "X": "0.100000001",
                "Y": "-2.5"
            },
            "Rotation": "1.00000002e+20"
        },
        "TintComponent": ""
    },
    "AutoCreate": [
        {
            "Name": "Shadow",
            "Prefab": "SeedShadow"
        }
    ]
}
)",
    // Every value type, "/" and a newline in a string, non-ASCII text, a duplicate
    // component type, and children with and without names and overrides.
    R"({
    "Components": {
        "AllValuesComponent": {
            "Area": {
                "X": "1",
                "Y": "2",
                "Width": "3.25",
                "Height": "-0"
            },
            "Bool": "false",
            "Color": {
                "A": "0.498039216",
                "Rgb": "ff8000"
            },
            "Float": "-3.40282347e+38",
            "Font": "",
            "Int": "-2147483648",
            "Layer": "EditorText2",
            "ProxyString": "",
            "ProxyVector": {
                "X": "-1.17549435e-38",
                "Y": "3.40282347e+38"
            },
            "String": "a\/b\\nc \"q\" été",
            "Texture": "Main\/Ants",
            "Vector": {
                "X": "1.17549435e-38",
                "Y": "0"
            },
            "XAlign": "Right",
            "YAlign": "Top"
        },
        "AllValuesComponent": {
            "Int": "3"
        },
        "StartLogBehavior": ""
    },
    "AutoCreate": [
        {
            "Prefab": "Leaf"
        },
        {
            "Name": "Left",
            "InstanceProperties": {
                "TintComponent": {
                    "Tint": {
                        "A": "1",
                        "Rgb": "00000a"
                    }
                },
                "ThingComponent": ""
            },
            "Prefab": "Leaf"
        },
        {
            "InstanceProperties": {
                "Pos2dComponent": {
                    "Pos": {
                        "X": "4",
                        "Y": "5"
                    }
                }
            },
            "Prefab": "Leaf"
        }
    ]
}
)",
};

TEST_F(PrefabFormatTest, FilesWrittenByTheProgramLoadAndSaveByteForByte) {
    int index = 0;
    for (const char* text : kCorpus) {
        const std::string name = "Corpus" + std::to_string(index++);
        EXPECT_EQ(RoundTrip(name, text), text) << name;
    }
}

// Names are UTF-8 all the way: the file name, the JSON text and the entry naming it.
TEST_F(PrefabFormatTest, NamesBeyondAsciiKeepTheirLettersInFileNameAndText) {
    const std::string name = "\xC3\x84meise_\xC3\xA9";  // Ämeise_é
    const std::string text = "{\n    \"Components\": \"\",\n    \"AutoCreate\": [\n        {\n"
                             "            \"Name\": \"Fourmi_\xC5\x91\",\n            \"Prefab\": \"" + name + "\"\n"
                             "        }\n    ]\n}\n";
    EXPECT_EQ(Prefab::NameProblem(name), "");
    EXPECT_EQ(RoundTrip(name, text), text);
    EXPECT_EQ(manager.Find(name)->AutoCreates.at(0)->PrefabName, name);
    EXPECT_EQ(manager.Find(name)->FileName, name);
}

TEST_F(PrefabFormatTest, NumbersLiteralsAndNullAreReadAsTheirText) {
    const std::string saved = RoundTrip("Literals", R"({"Components": {"AllValuesComponent":
        {"Float": 3, "Int": -12, "Bool": true, "String": null, "Vector": {"X": 1e3, "Y": 0.5}}},
        "AutoCreate": []})");
    EXPECT_EQ(saved, R"({
    "Components": {
        "AllValuesComponent": {
            "Bool": "true",
            "Float": "3",
            "Int": "-12",
            "String": "null",
            "Vector": {
                "X": "1000",
                "Y": "0.5"
            }
        }
    },
    "AutoCreate": ""
}
)");
}

// A value that does not convert, is not finite or is no value at all is left out, so
// the component's own default applies, with a warning naming the file and the property.
TEST_F(PrefabFormatTest, UnknownPropertiesAreDroppedAndUnusableValuesWarnAndKeepTheDefault) {
    Prefab* prefab = AddPrefab("Odd", R"({"Components": {
        "ThingComponent": {"LayeringOrder": "many", "Colour": "red"},
        "AllValuesComponent": {"Float": "nan", "Int": {"a": 1}, "Bool": "yes", "Area": {"X": "1e40",
            "Y": "1", "Width": "2", "Height": "3"}, "Vector": {"X": "4", "Y": "-infinity"}, "String": "kept"}},
        "AutoCreate": [{"Prefab": "Leaf", "InstanceProperties": {"AllValuesComponent": {"Float": {}}}}]})");
    ASSERT_EQ(prefab->Components.size(), 2u);
    EXPECT_TRUE(prefab->Components[0]->Properties.empty());
    const auto& values = prefab->Components[1]->Properties;
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values.at("String")->GetSubProperty("String", 0).ToText(), "kept");
    EXPECT_TRUE(prefab->AutoCreates[0]->InstanceProperties[0]->Properties.empty());

    // Components in file order, properties in name order.
    const std::vector<std::string> named = {"ThingComponent: LayeringOrder \"many\"",
                                            "AllValuesComponent: Area.X \"1e40\"",
                                            "Bool \"yes\"",
                                            "Float \"nan\"",
                                            "Int is an object or array",
                                            "Vector.Y \"-infinity\"",
                                            "AllValuesComponent: Float \"\""};
    ASSERT_EQ(warnings.size(), named.size());
    for (std::size_t i = 0; i < named.size(); ++i) {
        EXPECT_EQ(warnings[i].rfind((PrefabDir() / "Odd.json").string() + ": ", 0), 0u) << warnings[i];
        EXPECT_NE(warnings[i].find(named[i]), std::string::npos) << warnings[i];
    }
}

TEST_F(PrefabFormatTest, ReferencesAreStoredAsNames) {
    Prefab* prefab = AddPrefab("Refs", R"({"Components": {"AllValuesComponent":
        {"Texture": "Main/Ants", "Font": "Big"}}, "AutoCreate": ""})");
    const auto& properties = prefab->Components[0]->Properties;
    EXPECT_EQ(properties.at("Texture")->TypeTag(), typeid(std::string));
    EXPECT_EQ(properties.at("Font")->GetSubProperty("Font", 0).ToText(), "Big");
}

struct BadFile {
    const char* text;
    const char* problem;
};

TEST_F(PrefabFormatTest, BadFilesFailWithTheFileNameAndTheProblem) {
    const BadFile cases[] = {
        {R"({"AutoCreate": ""})", "No such node (Components)"},
        {R"({"Components": ""})", "No such node (AutoCreate)"},
        {R"({"Components": "", "AutoCreate": [{"Name": "x"}]})", "No such node (Prefab)"},
        {R"({"Components": {"Pos2dComponent": {"Pos": {"X": "1"}}}, "AutoCreate": ""})", "No such node (Pos.Y)"},
        {R"({"Components": {"Pos2dComponent": {"Pos": "1"}}, "AutoCreate": ""})", "No such node (Pos.X)"},
        {R"({"Components": {"Foo": ""}, "AutoCreate": ""})", "unknown component type 'Foo'"},
        {R"({"Components": {"PrefabComponent": ""}, "AutoCreate": ""})", "'PrefabComponent' is not a component type"},
        {R"({"Components": "", "AutoCreate": "")", "line 1: "},
        {R"()", "line 1: "},
    };
    for (const BadFile& bad : cases) {
        const std::filesystem::path file = PrefabDir() / "Bad.json";
        WriteFile(file, bad.text);
        Prefab prefab(manager, "Bad");
        try {
            prefab.Load(file);
            ADD_FAILURE() << "loaded: " << bad.text;
        } catch (const ContentError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(file.string() + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(bad.problem), std::string::npos) << message;
        }
        EXPECT_TRUE(prefab.Components.empty());
    }
}

TEST_F(PrefabFormatTest, AMissingFileFailsWithItsName) {
    Prefab prefab(manager, "Gone");
    try {
        prefab.Load(PrefabDir() / "Gone.json");
        ADD_FAILURE();
    } catch (const ContentError& e) {
        EXPECT_NE(std::string(e.what()).find("Gone.json: cannot open file"), std::string::npos) << e.what();
    }
}

TEST_F(PrefabFormatTest, SaveIntoAMissingDirectoryNamesTheFile) {
    Prefab* prefab = AddPrefab("Lost", kCorpus[0]);
    prefab->IsModified = true;
    std::filesystem::remove_all(PrefabDir());
    try {
        prefab->Save();
        ADD_FAILURE() << "saved into a missing directory";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Lost.json: cannot open file"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(prefab->IsModified);
}

TEST_F(PrefabFormatTest, SaveReplacesTheFileWithoutLeavingTemporaries) {
    Prefab* prefab = AddPrefab("Swap", kCorpus[1]);
    prefab->AutoCreates.clear();
    prefab->IsModified = true;
    prefab->Save();
    EXPECT_FALSE(prefab->IsModified);
    EXPECT_EQ(ReadFile(PrefabDir() / "Swap.json"), prefab->ToJson());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PrefabDir()), {}), 1);
}

}  // namespace
