#pragma once

#include "core/Vector2.h"

#include <string>

struct SDL_Window;

// The game's one window with its OpenGL 3.3 core context. The player may resize and
// maximise it; fullscreen on request. Construction throws StartupError naming what
// could not be created.
class Window {
public:
    // The reverse-DNS name the desktop entry, icons and metainfo are installed under.
    static constexpr const char* ApplicationId = "org.vellimor.Vellimor";

    // Smaller than this the HUD and the editor's text can no longer be read.
    static constexpr int MinimumWidth = 640;
    static constexpr int MinimumHeight = 360;

    // The client size asked for is clamped to the screen's usable area and the minimum.
    Window(const std::string& title, int width, int height);
    ~Window();

    // Throws StartupError when there is no display to open the window on and no video
    // driver was asked for by name (SDL_VIDEODRIVER). The entry point calls it before
    // anything else is opened, so the game stops with that one line.
    static void RequireDisplay();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The cursor in client-area pixels (x right, y down), also when it is outside
    // the window.
    Vector2 CursorInClient() const;
    // True while the window has the keyboard focus.
    bool HasInputFocus() const;

    // Shows what was drawn into the window's framebuffer; with vsync on, at the
    // display's next refresh.
    void Present();

    // Asks the driver to wait for the display's refresh before each frame is shown;
    // false when it refused (vsync stays off, but the wish is kept). Off always succeeds.
    bool SetVSync(bool on);
    bool IsVSyncOn() const { return vsync_; }
    bool IsVSyncWanted() const { return vsyncWanted_; }
    // Whether the driver accepted vsync when the window was made.
    bool IsVSyncOffered() const { return vsyncOffered_; }

    // The window's own framebuffer has a 24-bit depth and an 8-bit stencil buffer.
    bool HasDepthStencil() const { return depthStencil_; }
    int ClientWidth() const;
    int ClientHeight() const;

    // Fullscreen covers the whole screen at the desktop's resolution (no mode
    // change); off returns to the window's own size. False when the system refused.
    bool SetFullscreen(bool on);
    bool IsFullscreen() const;

    // The client size the window has, or returns to, out of fullscreen.
    int WindowedWidth() const;
    int WindowedHeight() const;
    // Whether that size differs from the one the window opened at.
    bool WasResized() const;
    // Sets that size, clamped like the size the window opens at: at once out of
    // fullscreen, as the size to return to in it.
    void SetWindowedSize(int width, int height);
    // The part of the screen a window can take (without panels and docks); the
    // minimum size when the system does not say.
    void UsableArea(int& width, int& height) const;

private:
    SDL_Window* window_ = nullptr;
    void* glContext_ = nullptr;
    int openedWidth_ = 0;
    int openedHeight_ = 0;
    // Kept on entering fullscreen, as SDL reports only the screen's size meanwhile.
    int windowedWidth_ = 0;
    int windowedHeight_ = 0;
    bool depthStencil_ = false;
    bool vsync_ = false;
    bool vsyncWanted_ = false;
    bool vsyncOffered_ = false;
};
