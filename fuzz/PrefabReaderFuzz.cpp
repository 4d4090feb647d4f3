// libFuzzer target over the prefab reader and the property text parsers.
//
// The first input byte picks the target; the rest is the input:
// - even: a prefab file. Whatever the reader accepts must save, load again and save
//   to the same bytes (what the program writes loads back unchanged).
// - odd: a text given to every sub-value of every property type. The value printed
//   afterwards must parse back to itself.
#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "app/Edition.h"
#include "prefabs/PrefabManager.h"
#include "support/AllValuesComponent.h"

#include <cstdio>
#include <cstdlib>

namespace {

PrefabManager& Manager() {
    static PrefabManager* manager = [] {
        ContentLog::SetSink([](ContentLog::Level, const std::string&) {});
        auto* made = new PrefabManager();
        RegisterComponentTypes(*made);
        made->Register<AllValuesComponent>("AllValuesComponent");
        made->Register<StartLogBehavior>("StartLogBehavior");
        made->CreatePrototypes();
        return made;
    }();
    return *manager;
}

[[noreturn]] void Fail(const char* what, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", what, a.c_str(), b.c_str());
    std::abort();
}

// Parsed as a prefab file is, nesting limit included.
std::string Reload(const std::string& json) {
    const ContentFile file = ContentFile::ParseJson("Fuzz.json", json);
    Prefab prefab(Manager(), "Fuzz");
    file.Reading([&] { prefab.Read(file.Root()); });
    return prefab.ToJson();
}

void FuzzPrefab(const std::string& input) {
    std::string saved;
    try {
        saved = Reload(input);
    } catch (const std::runtime_error&) {
        return;  // rejected with a reader error: fine
    }
    std::string again;
    try {
        again = Reload(saved);
    } catch (const std::runtime_error& e) {
        Fail("a saved prefab does not load", saved, e.what());
    }
    if (again != saved) {
        Fail("a saved prefab changes when loaded and saved again", saved, again);
    }
}

void FuzzText(const std::string& input) {
    AllValuesComponent object;
    for (const auto& [name, property] : object.Properties) {
        for (int i = 0;; ++i) {
            const SubProperty sub = property->GetSubProperty(name, i);
            sub.FromText(input);
            const std::string printed = sub.ToText();
            sub.FromText(printed);
            if (sub.ToText() != printed) {
                Fail(("unstable text for " + sub.Key()).c_str(), printed, sub.ToText());
            }
            if (sub.IsLast) {
                break;
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        FuzzPrefab(input);
    } else {
        FuzzText(input);
    }
    return 0;
}
