#pragma once

#include "core/Vector2.h"

#include <string>

struct SDL_Window;

// The game's one window with its OpenGL 3.3 core context. Fixed client size, not
// resizable by the user; fullscreen on request. Construction throws StartupError naming what could not be created.
class Window {
public:
    // The reverse-DNS name the desktop entry, icons and metainfo are installed under.
    static constexpr const char* ApplicationId = "org.vellimor.Vellimor";

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

    // Shows what was drawn into the window's framebuffer, without waiting for the display.
    void Present();

    int ClientWidth() const;
    int ClientHeight() const;

    // Fullscreen covers the whole screen at the desktop's resolution (no mode
    // change); off returns to the window's own size. False when the system refused.
    bool SetFullscreen(bool on);
    bool IsFullscreen() const;

private:
    SDL_Window* window_ = nullptr;
    void* glContext_ = nullptr;
};
