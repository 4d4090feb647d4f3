#include "editor/EditorState.h"

#include "core/Behavior.h"
#include "editor/IEdTool.h"

namespace {

bool IsOpenTool(const Behavior* behavior) {
    const auto* tool = dynamic_cast<const IEdTool*>(behavior);
    return tool != nullptr && tool->IsOpen();
}

}  // namespace

bool EditorState::IsToolOpen() const {
    return IsOpenTool(ShapeEditor) || IsOpenTool(SpritePicker) || IsOpenTool(CameraMover);
}
