#pragma once

#include "core/Behavior.h"

#include <array>

class HudButtonBhv;

// The HUD: its children "BtnDayNight", "BtnFeed", "BtnExamine" and "BtnLight" switch
// day and night and choose the gameplay screen's tool; the chosen tool's button is
// highlighted. The last one started is Engine::HudRoot.
class HudRootBhv : public Behavior {
public:
    ~HudRootBhv() override;

    // Wires the buttons' clicks; a missing button is named in one warning.
    void Start() override;
    // The keys of "DayNight" and the tools do what their buttons do, while the game
    // runs and nothing above it takes the keys.
    void HandleInput() override;
    // Highlights the current tool's button; the day/night button keeps its setting.
    void Update() override;

    // The cursor lies on one of the buttons.
    bool IsMouseOverHud() const;
    // The button the cursor lies on, or null.
    HudButtonBhv* ButtonUnderCursor() const;

private:
    struct ToolButton {
        const char* Name;
        int Tool;
        int Action;
    };
    static const std::array<ToolButton, 3> kToolButtons;

    HudButtonBhv* ButtonNamed(const char* name) const;
};
