#pragma once

#include "core/Behavior.h"

#include <string>

// A line of text over the play field that fades out: Show puts the text into the
// child "HudText" and lets it fade from opaque to clear over "FadeTime" seconds, then
// hides the object. The last one started is Engine::MessageFlash.
class HudMessageFlashBhv : public Behavior {
public:
    HudMessageFlashBhv();
    ~HudMessageFlashBhv() override;

    void Start() override;
    void Update() override;

    void Show(const std::string& text);

    float FadeTime = 2.0f;
    float FlashTimeLeft = 0.0f;
};

// Flashes the text on the current message flash; nothing without one.
void FlashMessage(const std::string& text);
