#include "core/DeletionQueues.h"
#include "core/Engine.h"
#include "core/GameObject.h"
#include "editor/EditorState.h"
#include "support/EngineScope.h"

#include <gtest/gtest.h>

namespace {

GameObject* AddChild(GameObject* parent, const std::string& name) {
    auto* child = new GameObject();
    child->Name = name;
    parent->AddChild(child);
    return child;
}

// The editor's two object references follow removals it hears of.
class EditorStateTest : public ::testing::Test {
protected:
    EngineScope engine;
    DeletionQueues& deletions = engine.Make(Engine::Deletions);
    EditorState& editor = engine.Make(Engine::EditorState);
    GameObject& root = engine.Make(Engine::Root);
};

TEST_F(EditorStateTest, EditorSelectionMovesToNextSiblingThenToNone) {
    auto* a = AddChild(&root, "a");
    auto* b = AddChild(&root, "b");
    editor.SelectedObject = a;
    delete a;
    EXPECT_EQ(editor.SelectedObject, b);
    delete b;
    EXPECT_EQ(editor.SelectedObject, nullptr);
}

TEST_F(EditorStateTest, EditorListRootFallsBackToParent) {
    auto* parent = AddChild(&root, "parent");
    auto* child = AddChild(parent, "child");
    editor.ListRoot = child;
    delete child;
    EXPECT_EQ(editor.ListRoot, parent);

    editor.ListRoot = parent;
    parent->Destroy();  // detached: no parent left to fall back to
    deletions.DeleteQueued();
    EXPECT_EQ(editor.ListRoot, nullptr);
}

}  // namespace
