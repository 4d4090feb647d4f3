#include "editor/EditorMessage.h"

#include "core/ContentLog.h"
#include "game/HudMessageFlashBhv.h"

void TellUser(const std::string& text) {
    FlashMessage(text);
    ContentLog::Warning("editor: " + text);
}
