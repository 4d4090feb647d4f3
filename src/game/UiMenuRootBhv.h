#pragma once

#include "core/Behavior.h"

#include <string>

class GameObject;

// The pause menus' parent. Esc ("MenuCancel") while no menu is up opens "UiMainMenu";
// a menu is shown one frame after it is asked for, over the darkened "UiMenuBg", with
// the play field paused. Its children are found by name when used, so a child the
// editor re-instances is never held stale. The last one started is Engine::MenuRoot.
class UiMenuRootBhv : public Behavior {
public:
    // The menus the root knows; a child of another name can be opened all the same.
    static constexpr const char* kMenuNames[] = {"UiMenuBg",         "UiMainMenu",      "UiLoadMenu",
                                                 "UiSaveMenu",       "UiSupplyMainMenu", "UiSupplyBuyMenu",
                                                 "UiSupplySellMenu", "UiSupplyLoadoutMenu"};

    ~UiMenuRootBhv() override;

    void Start() override;
    void HandleInput() override;

    // Shows the named child (with the background, pausing the play field) at the next
    // frame; "" closes every menu instead and resumes play.
    void OpenMenu(const std::string& name);
    // Hides every menu and the background at once and resumes play.
    void CloseMenus();
    // A menu (the background) is up.
    bool IsMenuUp() const;

    const std::string& RequestedMenu() const { return requestedMenu_; }

private:
    CoCommand ShowMenu(int resumePoint);

    std::string requestedMenu_;
};
