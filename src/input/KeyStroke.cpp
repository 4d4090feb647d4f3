#include "input/KeyStroke.h"

#include "core/KeyCode.h"

#include <utility>

namespace {

bool IsOneShotEditKey(int key) {
    switch (key) {
        case KeyOemEnter:
        case KeyKeypadEnter:
        case KeyTab:
        case KeyEsc:
        case KeyHome:
        case KeyEnd:
            return true;
        default:
            return false;
    }
}

}  // namespace

KeyStroke KeyStroke::Of(int key, bool shift, bool ctrl) { return {key, "", shift, ctrl}; }

KeyStroke KeyStroke::Typed(std::string text) { return {KeyNone, std::move(text), false, false}; }

bool KeyStroke::IsEditKey(int key) { return Repeats(key) || IsOneShotEditKey(key); }

bool KeyStroke::IsMouseButton(int key) { return key == KeyLeftMouse || key == KeyMiddleMouse || key == KeyRightMouse; }

bool KeyStroke::Repeats(int key) {
    switch (key) {
        case KeyBackspace:
        case KeyDelete:
        case KeyLeft:
        case KeyRight:
        case KeyUp:
        case KeyDown:
            return true;
        default:
            return false;
    }
}
