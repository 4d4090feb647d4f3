#pragma once

#include "core/Color.h"
#include "graphics/Camera2d.h"

#include <memory>

class GraphicsDevice;
class Window;

// Display settings and the objects that reach the screen. The frame's size, frame
// rate and frame skip are fixed here, not configurable; the window may have any size.
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
    // The game world: y up, 32 pixels per world unit.
    Camera2d WorldCamera;
    // User interface and editor: one unit per pixel, origin top-left, y down.
    Camera2d ScreenCamera;
    float ShadowSpread = 1.5f;
    float ShadowDarkness = 1.5f;
    std::unique_ptr<GraphicsDevice> Device;

    // Created by start-up once the content is known to be there.
    std::unique_ptr<Window> MainWindow;

    // Switches the window to or from fullscreen and remembers the choice in the
    // player's settings. The frame stays Width x Height: presenting scales it to the
    // window with its aspect kept, and the cursor is mapped back into it.
    void SetFullscreen(bool on);
    bool IsFullscreen() const;
    // Turns vsync on or off and keeps the choice, also when the driver refused it
    // (false then): it counts again where the driver offers vsync.
    bool SetVSync(bool on);
    // Gives the window that client size out of fullscreen (the size it returns to,
    // while in it) and keeps it in the player's settings.
    void SetWindowSize(int width, int height);
    // Keeps the window's size out of fullscreen in the player's settings when the
    // player changed it, so the next start opens the window at that size.
    void RememberWindowSize() const;

private:
    void SaveWindowedSize() const;
};
