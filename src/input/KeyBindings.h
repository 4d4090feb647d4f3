#pragma once

#include "core/KeyCode.h"

#include <array>
#include <filesystem>
#include <map>
#include <vector>

// The keys of the actions a player may bind again: the shipped key mappings with the
// player's own "KeyMappings.json" read over them. An action the player's file names
// gets exactly the keys it lists there; the others keep the shipped keys. The
// player's file holds only the actions whose keys differ from the shipped ones; it is
// written whole at each change and removed when nothing differs any more. The
// shipped file is only ever read. The menus' actions are fixed: a player who bound
// Esc away could not leave a menu.
class KeyBindings {
public:
    using Table = std::multimap<int, int>;  // action code -> key code, the first key first

    // In the Controls page's order.
    static constexpr std::array<int, 8> Rebindable = {ActionDayNight,  ActionToolFeed, ActionToolExamine,
                                                      ActionToolLight, ActionFireStream, ActionMute,
                                                      ActionFrameStats, ActionScreenshot};
    static bool IsRebindable(int action);
    static std::vector<int> KeysOf(const Table& table, int action);

    // The other action that held the key Bind gave away, with the key it got instead;
    // Action is -1 when no other action held it.
    struct Swap {
        int Action = -1;
        int Key = KeyNone;
    };

    // "KeyMappings.json" beside the settings; empty when there is no config directory
    // (the bindings then last as long as the game runs).
    static std::filesystem::path Location();

    KeyBindings() = default;
    KeyBindings(Table shipped, std::filesystem::path playerFile);

    // The shipped keys with the player's file over them. A file that cannot be used
    // (not JSON, an unknown name, a menu action) changes nothing, with one warning
    // naming the file and what is wrong; a missing file is the first run.
    Table Load() const;
    // Makes `key` the action's first key, its other keys kept; another rebindable
    // action that held `key` gets the action's old first key in its place. Saved at
    // once when anything changed.
    Swap Bind(Table& table, int action, int key) const;
    // The shipped keys again; the player's file goes.
    Table Reset() const;

private:
    void Save(const Table& table) const;

    Table shipped_;
    std::filesystem::path playerFile_;
};
