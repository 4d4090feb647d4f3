#include "editor/EditorMessage.h"

#include "core/ContentLog.h"
#include "core/Engine.h"
#include "editor/EditorState.h"
#include "game/HudMessageFlashBhv.h"

void TellUser(const std::string& text) {
    if (Engine::EditorState != nullptr) {
        Engine::EditorState->Messages.Add(text);
    } else {
        FlashMessage(text);
    }
    ContentLog::Warning("editor: " + text);
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}
