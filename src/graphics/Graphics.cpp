#include "graphics/Graphics.h"

#include "graphics/GraphicsDevice.h"
#include "platform/PlayerSettings.h"
#include "platform/Window.h"

Graphics::Graphics()
    : WorldCamera(Vector2(), Vector2(static_cast<float>(Width) / 32.0f, static_cast<float>(Height) / 32.0f), 0.0f,
                  Rect(0.0f, 0.0f, static_cast<float>(Width), static_cast<float>(Height))),
      ScreenCamera(Vector2(640.0f, 360.0f), Vector2(1280.0f, -720.0f)),
      Device(std::make_unique<GraphicsDevice>(*this)) {}

Graphics::~Graphics() = default;

void Graphics::SetFullscreen(bool on) {
    if (MainWindow == nullptr || !MainWindow->SetFullscreen(on)) {
        return;
    }
    PlayerSettings::Change([on](PlayerSettings& settings) { settings.Fullscreen = on; });
}

bool Graphics::IsFullscreen() const {
    return MainWindow != nullptr && MainWindow->IsFullscreen();
}

bool Graphics::SetVSync(bool on) {
    if (MainWindow == nullptr) {
        return false;
    }
    const bool done = MainWindow->SetVSync(on);
    PlayerSettings::Change([on](PlayerSettings& settings) { settings.VSync = on; });
    return done;
}

void Graphics::SetWindowSize(int width, int height) {
    if (MainWindow == nullptr) {
        return;
    }
    MainWindow->SetWindowedSize(width, height);
    SaveWindowedSize();
}

void Graphics::RememberWindowSize() const {
    if (MainWindow == nullptr || !MainWindow->WasResized()) {
        return;
    }
    SaveWindowedSize();
}

void Graphics::SaveWindowedSize() const {
    const int width = MainWindow->WindowedWidth();
    const int height = MainWindow->WindowedHeight();
    PlayerSettings::Change([width, height](PlayerSettings& settings) {
        settings.WindowWidth = width;
        settings.WindowHeight = height;
    });
}
