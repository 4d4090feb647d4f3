#include "platform/KeyTranslation.h"

#include "core/KeyCode.h"

#include <SDL.h>

#include <unordered_map>

namespace {

const std::unordered_map<int, int>& ScancodeTable() {
    static const std::unordered_map<int, int> table = [] {
        std::unordered_map<int, int> t;
        const int letters[26] = {KeyA, KeyB, KeyC, KeyD, KeyE, KeyF, KeyG, KeyH, KeyI, KeyJ, KeyK, KeyL, KeyM,
                                 KeyN, KeyO, KeyP, KeyQ, KeyR, KeyS, KeyT, KeyU, KeyV, KeyW, KeyX, KeyY, KeyZ};
        for (int i = 0; i < 26; ++i) t[SDL_SCANCODE_A + i] = letters[i];
        // SDL numbers the digit row and the keypad digits 1 ... 9, 0, as the engine does.
        for (int i = 0; i < 10; ++i) t[SDL_SCANCODE_1 + i] = KeyOem1 + i;
        for (int i = 0; i < 10; ++i) t[SDL_SCANCODE_KP_1 + i] = KeyKeypad1 + i;
        for (int i = 0; i < 12; ++i) t[SDL_SCANCODE_F1 + i] = KeyF1 + i;
        const std::pair<SDL_Scancode, int> others[] = {
            {SDL_SCANCODE_BACKSPACE, KeyBackspace}, {SDL_SCANCODE_TAB, KeyTab},
            {SDL_SCANCODE_RETURN, KeyOemEnter}, {SDL_SCANCODE_KP_ENTER, KeyOemEnter},
            {SDL_SCANCODE_LSHIFT, KeyShift}, {SDL_SCANCODE_RSHIFT, KeyShift},
            {SDL_SCANCODE_LCTRL, KeyCtrl}, {SDL_SCANCODE_RCTRL, KeyCtrl},
            {SDL_SCANCODE_LALT, KeyAlt}, {SDL_SCANCODE_RALT, KeyAlt},
            {SDL_SCANCODE_PAUSE, KeyPause}, {SDL_SCANCODE_CAPSLOCK, KeyCapsLock},
            {SDL_SCANCODE_ESCAPE, KeyEsc}, {SDL_SCANCODE_SPACE, KeySpace},
            {SDL_SCANCODE_PAGEUP, KeyPageUp}, {SDL_SCANCODE_PAGEDOWN, KeyPageDown},
            {SDL_SCANCODE_END, KeyEnd}, {SDL_SCANCODE_HOME, KeyHome},
            {SDL_SCANCODE_LEFT, KeyLeft}, {SDL_SCANCODE_UP, KeyUp},
            {SDL_SCANCODE_RIGHT, KeyRight}, {SDL_SCANCODE_DOWN, KeyDown},
            {SDL_SCANCODE_PRINTSCREEN, KeyPrintScreen}, {SDL_SCANCODE_INSERT, KeyInsert},
            {SDL_SCANCODE_DELETE, KeyDelete},
            {SDL_SCANCODE_LGUI, KeyLeftWindows}, {SDL_SCANCODE_RGUI, KeyRightWindows},
            {SDL_SCANCODE_APPLICATION, KeyApplication},
            {SDL_SCANCODE_KP_MULTIPLY, KeyKeypadAsterisk}, {SDL_SCANCODE_KP_PLUS, KeyKeypadPlus},
            {SDL_SCANCODE_KP_MINUS, KeyKeypadMinus}, {SDL_SCANCODE_KP_PERIOD, KeyKeypadPeriod},
            {SDL_SCANCODE_KP_DIVIDE, KeyKeypadSlash},
            {SDL_SCANCODE_NUMLOCKCLEAR, KeyNumLock}, {SDL_SCANCODE_SCROLLLOCK, KeyScrollLock},
            {SDL_SCANCODE_SEMICOLON, KeySemicolon}, {SDL_SCANCODE_EQUALS, KeyEquals},
            {SDL_SCANCODE_COMMA, KeyComma}, {SDL_SCANCODE_MINUS, KeyOemMinus},
            {SDL_SCANCODE_PERIOD, KeyOemPeriod}, {SDL_SCANCODE_SLASH, KeyOemSlash},
            {SDL_SCANCODE_GRAVE, KeyTilde}, {SDL_SCANCODE_LEFTBRACKET, KeyLeftBracket},
            {SDL_SCANCODE_BACKSLASH, KeyBackslash}, {SDL_SCANCODE_RIGHTBRACKET, KeyRightBracket},
            {SDL_SCANCODE_APOSTROPHE, KeyApostrophe},
        };
        for (const auto& [scancode, key] : others) t[scancode] = key;
        return t;
    }();
    return table;
}

}  // namespace

int TranslateScancode(int scancode) {
    const auto& table = ScancodeTable();
    const auto found = table.find(scancode);
    return found != table.end() ? found->second : KeyNone;
}

int TranslateMouseButton(int button) {
    switch (button) {
        case SDL_BUTTON_LEFT: return KeyLeftMouse;
        case SDL_BUTTON_MIDDLE: return KeyMiddleMouse;
        case SDL_BUTTON_RIGHT: return KeyRightMouse;
        default: return KeyNone;
    }
}
