#include "input/InputManager.h"

#include "core/ContentFile.h"
#include "core/ContentLog.h"
#include "core/Engine.h"
#include "core/FrameTime.h"
#include "core/Letterbox.h"
#include "graphics/Camera2d.h"
#include "graphics/Graphics.h"
#include "input/InputConsumer.h"
#include "platform/Clipboard.h"
#include "platform/EventPump.h"
#include "platform/Window.h"

#include <algorithm>
#include <utility>

namespace {

// A key that went down types at once, then after 0.4 s, then every 0.05 s.
constexpr float kRepeatDelayStart = -0.35f;
constexpr float kRepeatInterval = 0.05f;
constexpr std::size_t kClipboardLimit = 1024;

int CodeOrFirst(int code, const std::string& what, const std::string& name, const std::string& path) {
    if (code >= 0) {
        return code;
    }
    ContentLog::Warning(path + ": unknown " + what + " name \"" + name + "\", bound as code 0");
    return 0;
}

// Cuts text to at most `limit` bytes without splitting a UTF-8 sequence.
std::string CutUtf8(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

}  // namespace

InputManager::InputManager() = default;
InputManager::~InputManager() = default;

bool InputManager::HasFocus() const { return Engine::Graphics->HasFocus; }

bool InputManager::IsKeyDown(int code) const { return HasFocus() && CurrentKeys.test(code); }

bool InputManager::IsKeyPressed(int code) const {
    return HasFocus() && CurrentKeys.test(code) && !PreviousKeys.test(code);
}

bool InputManager::IsKeyTyped(int code) const { return HasFocus() && TypedKeys.test(code); }

bool InputManager::IsActionDown(int action, const KeySet& keys) const {
    if (!HasFocus()) {
        return false;
    }
    const auto [first, last] = KeyMappings.equal_range(action);
    for (auto it = first; it != last; ++it) {
        if (keys.test(it->second)) {
            return true;
        }
    }
    return false;
}

bool InputManager::IsActionPressed(int action) const {
    return IsActionDown(action, CurrentKeys) && !IsActionDown(action, PreviousKeys);
}

bool InputManager::IsActionTyped(int action) const { return IsActionDown(action, TypedKeys); }

const std::vector<KeyStroke>& InputManager::Strokes() const {
    static const std::vector<KeyStroke> none;
    return HasFocus() ? StrokesThisFrame : none;
}

void InputManager::LoadKeyMappings(const std::string& path, const std::filesystem::path& playerFile) {
    const ContentFile file = ContentFile::ReadJson(path);
    KeyBindings::Table shipped;
    for (const auto& [actionName, value] : file.Root()) {
        const std::string keyName = value.data();
        const int action = CodeOrFirst(FindActionCode(actionName), "action", actionName, path);
        const int key = CodeOrFirst(FindKeyCode(keyName), "key", keyName, path);
        shipped.emplace(action, key);
    }
    Bindings = KeyBindings(std::move(shipped), playerFile);
    KeyMappings = Bindings.Load();
}

void InputManager::CaptureNextKey(bool on) { capturing_ = on; }

// A key other than a modifier first: Shift+F is F.
int InputManager::FirstWentDown() const {
    int modifier = KeyNone;
    for (int code = KeyNone + 1; code < KeyCodeEnd; ++code) {
        if (wentDownThisPoll_.test(code) && !IsModifierKey(code)) {
            return code;
        }
        if (wentDownThisPoll_.test(code) && modifier == KeyNone) {
            modifier = code;
        }
    }
    return modifier;
}

void InputManager::Capture() {
    captured_ = capturing_ ? FirstWentDown() : KeyNone;
    // Alt+Enter switches fullscreen, whoever is listening.
    if (captured_ == KeyOemEnter && CurrentKeys.test(KeyAlt)) {
        captured_ = KeyNone;
    }
    if (captured_ == KeyNone) {
        return;
    }
    capturing_ = false;
    if (IsHeld(captured_)) {
        swallowed_.set(captured_);
    }
    CurrentKeys.reset(captured_);
    releaseAtNextPoll_.reset(captured_);
    std::erase_if(StrokesThisFrame, [this](const KeyStroke& stroke) { return stroke.key == captured_; });
}

void InputManager::Update() {
    TypedKeys.reset();
    TypedText = std::move(typedInPoll_);
    typedInPoll_.clear();
    StrokesThisFrame.clear();
    const float delta = Engine::FrameTime->DeltaSeconds;
    for (int code = 0; code < 256; ++code) {
        UpdateKey(code, delta);
    }
    PreviousKeys = CurrentKeys;
    PreviousCursor = Cursor;
}

void InputManager::UpdateKey(int code, float deltaSeconds) {
    float& timer = RepeatTimers[code];
    if (!CurrentKeys.test(code) || !PreviousKeys.test(code)) {
        timer = kRepeatDelayStart;
        if (CurrentKeys.test(code)) {
            TypedKeys.set(code);  // the press of the last poll
        }
    } else if (!releaseAtNextPoll_.test(code)) {  // a key already let go does not repeat
        timer += deltaSeconds;
        if (timer > kRepeatInterval) {
            timer -= kRepeatInterval;
            TypedKeys.set(code);
            if (KeyStroke::Repeats(code)) {
                StrokesThisFrame.push_back(KeyStroke::Of(code, IsShiftHeld(), IsHeld(KeyCtrl)));
            }
        }
    }
}

bool InputManager::Poll() {
    // Without a window (tests) only the event queue speaks.
    const Window* window = Engine::Graphics->MainWindow.get();
    if (window != nullptr) {
        Engine::Graphics->HasFocus = window->HasInputFocus();
    }
    CurrentKeys &= ~releaseAtNextPoll_;
    releaseAtNextPoll_.reset();
    wentDownThisPoll_.reset();
    keyWentDownThisPoll_ = false;
    WheelNotches = 0;
    bool keepRunning = true;
    PumpEvents([&](const InputEvent& event) { keepRunning = Apply(event) && keepRunning; });
    Capture();
    // Read after the events, so that a click is seen where the pointer is now.
    // In the frame's own pixels, whatever size the window has (fullscreen scales it).
    if (window != nullptr) {
        const Graphics& graphics = *Engine::Graphics;
        const Letterbox box = Letterbox::Fit(graphics.Width, graphics.Height, window->ClientWidth(), window->ClientHeight());
        Cursor = box.ToFrame(window->CursorInClient(), graphics.Width, graphics.Height);
    }
    for (InputConsumer* consumer : consumers_) {
        consumer->Offer(*this);
    }
    // Only what takes the keys above the game (the editor) reads typed text.
    if (window != nullptr) {
        EnableTextInput(AreKeysTaken());
    }
    return keepRunning;
}

void InputManager::AddConsumer(InputConsumer* consumer) {
    if (std::find(consumers_.begin(), consumers_.end(), consumer) == consumers_.end()) {
        consumers_.push_back(consumer);
    }
}

void InputManager::RemoveConsumer(InputConsumer* consumer) {
    consumers_.erase(std::remove(consumers_.begin(), consumers_.end(), consumer), consumers_.end());
}

bool InputManager::IsPointerTaken() const {
    return std::any_of(consumers_.begin(), consumers_.end(), [](const InputConsumer* c) { return c->TakesPointer(); });
}

bool InputManager::AreKeysTaken() const {
    return std::any_of(consumers_.begin(), consumers_.end(), [](const InputConsumer* c) { return c->TakesKeys(); });
}

bool InputManager::Apply(const InputEvent& event) {
    if (event.kind == InputEvent::Kind::KeyUp && swallowed_.test(event.key)) {
        swallowed_.reset(event.key);
        return true;
    }
    switch (event.kind) {
        case InputEvent::Kind::KeyDown:
            if (swallowed_.test(event.key)) {
                break;  // the captured key's auto-repeat
            }
            // An auto-repeat of a held key is no new press.
            if (!CurrentKeys.test(event.key)) {
                wentDownThisPoll_.set(event.key);
                keyWentDownThisPoll_ = keyWentDownThisPoll_ || !IsModifierKey(event.key);
                TypeInOrder(event.key);
            } else if (releaseAtNextPoll_.test(event.key)) {
                TypeInOrder(event.key);  // pressed again within the poll: "ll" stays two
            }
            CurrentKeys.set(event.key);
            releaseAtNextPoll_.reset(event.key);
            break;
        case InputEvent::Kind::KeyUp:
            ApplyKeyUp(event.key);
            break;
        case InputEvent::Kind::Text:
            StrokesThisFrame.push_back(KeyStroke::Typed(event.text));
            typedInPoll_ += event.text;
            break;
        case InputEvent::Kind::FocusGained:
        case InputEvent::Kind::FocusLost:
            Engine::Graphics->HasFocus = event.kind == InputEvent::Kind::FocusGained;
            break;
        case InputEvent::Kind::Wheel:
            WheelNotches += event.wheel;
            break;
        case InputEvent::Kind::Quit:
            return false;
    }
    return true;
}

void InputManager::TypeInOrder(int code) {
    RepeatTimers[code] = kRepeatDelayStart;
    const bool ctrl = IsHeld(KeyCtrl);
    if (KeyStroke::IsEditKey(code) || KeyStroke::IsMouseButton(code) || ctrl) {
        StrokesThisFrame.push_back(KeyStroke::Of(code, IsShiftHeld(), ctrl));
    }
}

bool InputManager::IsHeld(int code) const { return CurrentKeys.test(code) && !releaseAtNextPoll_.test(code); }

bool InputManager::IsShiftHeld() const { return IsHeld(KeyShift) || IsHeld(KeyRightShift); }

void InputManager::ApplyKeyUp(int code) {
    // A key that went down in this poll stays down for this frame, or the input and
    // update passes would never see a tap shorter than a frame. So does a modifier let
    // go after a key went down under it: Alt held, S tapped, Alt let go, all between
    // two frames, is still Alt+S.
    if (wentDownThisPoll_.test(code) || (IsModifierKey(code) && keyWentDownThisPoll_)) {
        releaseAtNextPoll_.set(code);
    } else {
        CurrentKeys.reset(code);
    }
}

std::string InputManager::ReadClipboardText() const { return CutUtf8(ReadClipboard(), kClipboardLimit); }

void InputManager::WriteClipboardText(const std::string& text) const { WriteClipboard(text); }

Vector2 InputManager::CursorInWorld() const {
    return Engine::Graphics != nullptr ? ScreenToWorld(Engine::Graphics->WorldCamera, Cursor) : Vector2();
}
