#pragma once

#include "core/Color.h"

#include <memory>

class Window;

// Display settings and the objects that reach the screen. Window size, frame rate
// and frame skip are fixed here, not configurable.
class Graphics {
public:
    Graphics();
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    int Width = 1280;
    int Height = 720;
    int MaxFrameSkip = 5;
    int FrameRate = 60;
    bool HasFocus = true;
    bool ShowPhysics = false;
    Color BackgroundColor{0, 0, 0, 255};
    float ShadowSpread = 1.5f;
    float ShadowDarkness = 1.5f;

    // Created by start-up once the content is known to be there.
    std::unique_ptr<Window> MainWindow;
};
