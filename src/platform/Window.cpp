#include "platform/Window.h"

#include "core/StartupError.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void FailStartup(const std::string& what) {
    throw StartupError(what + ": " + SDL_GetError());
}

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

void RequestCoreContext(bool depthStencil) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (depthStencil) {
        // As the off-screen back buffer has: a frame drawn straight into the window
        // then tests depth the same way.
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    }
}

std::string_view VideoDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr ? driver : "";
}

bool ContextHasDepthStencil() {
    int depth = 0;
    int stencil = 0;
    return SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &depth) == 0 && SDL_GL_GetAttribute(SDL_GL_STENCIL_SIZE, &stencil) == 0 &&
           depth >= 24 && stencil >= 8;
}

// When the display named cannot be reached (the server down, or restarting), SDL
// quietly falls back to a driver that shows nothing: the game would run unseen.
void RequireRealDriver() {
    if (IsSet("SDL_VIDEODRIVER") || (VideoDriver() != "offscreen" && VideoDriver() != "dummy")) {
        return;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    const std::string named = IsSet("DISPLAY")           ? std::string("DISPLAY=") + std::getenv("DISPLAY")
                              : IsSet("WAYLAND_DISPLAY") ? std::string("WAYLAND_DISPLAY=") + std::getenv("WAYLAND_DISPLAY")
                                                         : std::string("none named");
    throw StartupError("cannot connect to the display (" + named +
                       "); is it running, and may this user open windows on it?");
}

// A size remembered on a larger screen still fits on this one.
void ClampToScreen(int& width, int& height) {
    width = std::max(width, Window::MinimumWidth);
    height = std::max(height, Window::MinimumHeight);
    // SDL's off-screen driver makes up a 1024 x 768 display: there is no screen to fit.
    if (VideoDriver() == "offscreen") {
        return;
    }
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        width = std::min(width, usable.w);
        height = std::min(height, usable.h);
    }
}

}  // namespace

void Window::RequireDisplay() {
    // Without one SDL falls back to its offscreen driver, and the game would run
    // with no window and no word. A driver named on purpose ("offscreen" for the
    // render tests) is taken as meant.
    if (IsSet("SDL_VIDEODRIVER") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) {
        return;
    }
    throw StartupError(
        "no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a desktop session, or set DISPLAY");
}

Window::Window(const std::string& title, int width, int height) {
    RequireDisplay();
    // The window's X11 class and Wayland app id are the application id, so the desktop
    // finds the game's entry and icon for it.
    setenv("SDL_VIDEO_X11_WMCLASS", ApplicationId, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", ApplicationId, 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        FailStartup("cannot open a display for the game window");
    }
    RequireRealDriver();
    RequestCoreContext(true);
    ClampToScreen(width, height);
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE;
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height, flags);
    if (window_ == nullptr) {
        // No visual with that depth buffer: SDL's defaults do, and every frame then
        // goes through the back buffer.
        SDL_GL_ResetAttributes();
        RequestCoreContext(false);
        window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width, height, flags);
    }
    if (window_ == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        FailStartup("cannot create the game window");
    }
    glContext_ = SDL_GL_CreateContext(window_);
    if (glContext_ == nullptr) {
        SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        FailStartup("cannot create an OpenGL 3.3 core context");
    }
    depthStencil_ = ContextHasDepthStencil();
    // Asked once: a driver that has no vsync says so here, and the options screen shows it.
    vsyncOffered_ = SDL_GL_SetSwapInterval(1) == 0;
    SetVSync(false);
    SDL_SetWindowMinimumSize(window_, MinimumWidth, MinimumHeight);
    openedWidth_ = windowedWidth_ = width;
    openedHeight_ = windowedHeight_ = height;
}

Window::~Window() {
    SDL_GL_DeleteContext(glContext_);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

Vector2 Window::CursorInClient() const {
    // Over the window, SDL's own mouse state follows every motion event pumped so
    // far; its global position is a cache that some servers (XTest input under Xvfb)
    // refresh only on a button event, so a click could land where the mouse was long
    // before.
    if (SDL_GetMouseFocus() == window_) {
        int x = 0;
        int y = 0;
        SDL_GetMouseState(&x, &y);
        return {static_cast<float>(x), static_cast<float>(y)};
    }
    int screenX = 0;
    int screenY = 0;
    SDL_GetGlobalMouseState(&screenX, &screenY);
    int windowX = 0;
    int windowY = 0;
    SDL_GetWindowPosition(window_, &windowX, &windowY);
    return {static_cast<float>(screenX - windowX), static_cast<float>(screenY - windowY)};
}

bool Window::HasInputFocus() const {
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void Window::Present() {
    SDL_GL_SwapWindow(window_);
}

bool Window::SetVSync(bool on) {
    vsyncWanted_ = on;
    vsync_ = on && vsyncOffered_ && SDL_GL_SetSwapInterval(1) == 0;
    if (!vsync_) {
        // Some drivers cannot switch it off either; then the swap still waits.
        SDL_GL_SetSwapInterval(0);
    }
    return vsync_ == on;
}

int Window::ClientWidth() const {
    int w = 0;
    SDL_GetWindowSize(window_, &w, nullptr);
    return w;
}

int Window::ClientHeight() const {
    int h = 0;
    SDL_GetWindowSize(window_, nullptr, &h);
    return h;
}

bool Window::SetFullscreen(bool on) {
    if (on && !IsFullscreen()) {
        SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
    }
    const bool wasFullscreen = IsFullscreen();
    if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        return false;
    }
    // The size to return to may have been chosen meanwhile.
    if (!on && wasFullscreen) {
        SDL_SetWindowSize(window_, windowedWidth_, windowedHeight_);
    }
    return true;
}

bool Window::IsFullscreen() const {
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

int Window::WindowedWidth() const {
    return IsFullscreen() ? windowedWidth_ : ClientWidth();
}

int Window::WindowedHeight() const {
    return IsFullscreen() ? windowedHeight_ : ClientHeight();
}

bool Window::WasResized() const {
    return WindowedWidth() != openedWidth_ || WindowedHeight() != openedHeight_;
}

void Window::SetWindowedSize(int width, int height) {
    ClampToScreen(width, height);
    if (IsFullscreen()) {
        windowedWidth_ = width;
        windowedHeight_ = height;
        return;
    }
    // A maximised window keeps its size; it must be restored to take another one.
    SDL_RestoreWindow(window_);
    SDL_SetWindowSize(window_, width, height);
}

void Window::UsableArea(int& width, int& height) const {
    SDL_Rect usable;
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    if (SDL_GetDisplayUsableBounds(display, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        width = usable.w;
        height = usable.h;
        return;
    }
    width = MinimumWidth;
    height = MinimumHeight;
}
