#include "platform/EventPump.h"

#include "core/KeyCode.h"
#include "platform/KeyTranslation.h"

#include <SDL.h>

namespace {

void HandleKey(int key, bool down, const std::function<void(const InputEvent&)>& handle) {
    if (key != KeyNone) {
        handle({down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp, key, {}});
    }
}

void HandleWindowEvent(const SDL_WindowEvent& event, const std::function<void(const InputEvent&)>& handle) {
    if (event.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        handle({InputEvent::Kind::FocusGained, KeyNone, {}});
    } else if (event.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        handle({InputEvent::Kind::FocusLost, KeyNone, {}});
    }
}

}  // namespace

void PumpEvents(const std::function<void(const InputEvent&)>& handle) {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                HandleKey(TranslateScancode(event.key.keysym.scancode), event.type == SDL_KEYDOWN, handle);
                break;
            case SDL_TEXTINPUT:
                handle({InputEvent::Kind::Text, KeyNone, event.text.text});
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                HandleKey(TranslateMouseButton(event.button.button), event.type == SDL_MOUSEBUTTONDOWN, handle);
                break;
            case SDL_MOUSEWHEEL: {
                const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
                if (notches != 0) {
                    handle({InputEvent::Kind::Wheel, KeyNone, {}, notches});
                }
                break;
            }
            case SDL_WINDOWEVENT:
                HandleWindowEvent(event.window, handle);
                break;
            case SDL_QUIT:
                handle({InputEvent::Kind::Quit, KeyNone, {}});
                break;
            default:
                break;
        }
    }
}

void EnableTextInput(bool enabled) {
    if ((SDL_IsTextInputActive() == SDL_TRUE) == enabled) {
        return;
    }
    if (enabled) {
        SDL_StartTextInput();
    } else {
        SDL_StopTextInput();
    }
}
