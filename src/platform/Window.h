#pragma once

#include "core/Color.h"

#include <string>

struct SDL_Window;

// The game's one window with its OpenGL 3.3 core context. Fixed client size, not
// resizable. Construction throws StartupError naming what could not be created.
class Window {
public:
    Window(const std::string& title, int width, int height);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Drains the event queue; returns false once the window has been closed.
    bool PumpMessages();

    // Clears the whole window and presents it without waiting for the display.
    void ClearAndPresent(Color color);

    int ClientWidth() const;
    int ClientHeight() const;

private:
    SDL_Window* window_ = nullptr;
    void* glContext_ = nullptr;
};
