#include "input/KeyBindings.h"

#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "platform/AtomicFile.h"
#include "platform/PlayerDirectories.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

void SetKeys(KeyBindings::Table& table, int action, const std::vector<int>& keys) {
    table.erase(action);
    for (const int key : keys) {
        table.emplace(action, key);  // after the action's earlier keys: the order holds
    }
}

// The player's pairs, every name checked: one bad name spoils the file.
KeyBindings::Table ReadPlayerFile(const fs::path& file) {
    const ContentFile read = ContentFile::ReadJson(file);
    KeyBindings::Table pairs;
    for (const auto& [actionName, value] : read.Root()) {
        const int action = FindActionCode(actionName);
        const int key = FindKeyCode(value.data());
        if (action < 0) {
            read.Fail("unknown action name \"" + actionName + "\"");
        }
        if (!KeyBindings::IsRebindable(action)) {
            read.Fail("the keys of \"" + actionName + "\" cannot be changed");
        }
        if (key <= KeyNone || key >= KeyCodeEnd) {
            read.Fail("unknown key name \"" + value.data() + "\" for \"" + actionName + "\"");
        }
        pairs.emplace(action, key);
    }
    return pairs;
}

// Another rebindable action that holds `key` gets `old` in its place (or loses `key`
// when it has `old` already, or there is none).
KeyBindings::Swap GiveAway(KeyBindings::Table& table, int action, int key, int old) {
    for (const int other : KeyBindings::Rebindable) {
        std::vector<int> keys = KeyBindings::KeysOf(table, other);
        const auto at = std::find(keys.begin(), keys.end(), key);
        if (other == action || at == keys.end()) {
            continue;
        }
        if (old == KeyNone || std::find(keys.begin(), keys.end(), old) != keys.end()) {
            keys.erase(at);
        } else {
            *at = old;
        }
        SetKeys(table, other, keys);
        return {other, old};
    }
    return {};
}

}  // namespace

bool KeyBindings::IsRebindable(int action) {
    return std::find(Rebindable.begin(), Rebindable.end(), action) != Rebindable.end();
}

std::vector<int> KeyBindings::KeysOf(const Table& table, int action) {
    std::vector<int> keys;
    const auto [first, last] = table.equal_range(action);
    for (auto it = first; it != last; ++it) {
        keys.push_back(it->second);
    }
    return keys;
}

fs::path KeyBindings::Location() {
    const fs::path config = PlayerDirectories::Config();
    return config.empty() ? config : config / "KeyMappings.json";
}

KeyBindings::KeyBindings(Table shipped, fs::path playerFile)
    : shipped_(std::move(shipped)), playerFile_(std::move(playerFile)) {}

KeyBindings::Table KeyBindings::Load() const {
    std::error_code ignored;
    if (playerFile_.empty() || !fs::exists(playerFile_, ignored)) {
        return shipped_;
    }
    Table table = shipped_;
    try {
        const Table pairs = ReadPlayerFile(playerFile_);
        for (const int action : Rebindable) {
            if (pairs.count(action) > 0) {
                SetKeys(table, action, KeysOf(pairs, action));
            }
        }
    } catch (const ContentError& error) {
        ContentLog::Warning(std::string(error.what()) + "; using the shipped keys");
        return shipped_;
    }
    return table;
}

KeyBindings::Swap KeyBindings::Bind(Table& table, int action, int key) const {
    std::vector<int> keys = KeysOf(table, action);
    const auto own = std::find(keys.begin(), keys.end(), key);
    if (own == keys.begin()) {
        return {};
    }
    Swap swap;
    if (own != keys.end()) {
        std::iter_swap(keys.begin(), own);  // a key of its own moves to the front
    } else if (keys.empty()) {
        keys.push_back(key);
        swap = GiveAway(table, action, key, KeyNone);
    } else {
        swap = GiveAway(table, action, key, keys.front());
        keys.front() = key;
    }
    SetKeys(table, action, keys);
    Save(table);
    return swap;
}

KeyBindings::Table KeyBindings::Reset() const {
    std::error_code ignored;
    if (!playerFile_.empty()) {
        fs::remove(playerFile_, ignored);
    }
    return shipped_;
}

void KeyBindings::Save(const Table& table) const {
    if (playerFile_.empty()) {
        return;
    }
    std::string text;
    for (const int action : Rebindable) {
        if (KeysOf(table, action) != KeysOf(shipped_, action)) {
            for (const int key : KeysOf(table, action)) {
                text += (text.empty() ? "{\n" : ",\n") + std::string("    \"") + ActionName(action) + "\": \"" +
                        KeyName(key) + "\"";
            }
        }
    }
    try {
        if (text.empty()) {
            fs::remove(playerFile_);
            return;
        }
        fs::create_directories(playerFile_.parent_path());
        WriteFileAtomically(playerFile_, text + "\n}\n");
    } catch (const std::exception& error) {
        ContentLog::Warning(playerFile_.string() + ": cannot save the key mappings (" + error.what() + ")");
    }
}
