#include "core/PropertyText.h"
#include "editor/EdRootBhv.h"
#include "editor/EditorState.h"
#include "editor/tools/EdCameraMoverBhv.h"
#include "editor/tools/EdShapeEditorBhv.h"
#include "editor/tools/EdSpritePickerBhv.h"
#include "editor/tools/ShapeHandles.h"
#include "game/UiScreen.h"
#include "input/InputConsumer.h"
#include "physics/B2DebugDrawer.h"
#include "support/GameplayScene.h"

#include <cmath>
#include <cstring>

namespace {

bool SameBits(const Camera2d& a, const Camera2d& b) {
    const float fa[] = {a.Position.x, a.Position.y, a.Size.x, a.Size.y, a.Rotation,
                        a.Viewport.x, a.Viewport.y, a.Viewport.width, a.Viewport.height};
    const float fb[] = {b.Position.x, b.Position.y, b.Size.x, b.Size.y, b.Rotation,
                        b.Viewport.x, b.Viewport.y, b.Viewport.width, b.Viewport.height};
    return std::memcmp(fa, fb, sizeof fa) == 0;
}

// The editor root with its three tools beside a gameplay screen, opened with F11 (so
// only the tools pause the field), and a static solid in the level at (2, 1).
class EdToolsTest : public GameplayScene {
protected:
    EditorState& editor = engine.Make(Engine::EditorState);
    EdToolsTest() {
        UiScreen::ResumeGameplay();
        AddPrefab("EdShapeEditor", R"({"Components": {"EdShapeEditorBhv": "",
                                        "EdCameraMoverBhv": {"IsStandalone": "false"}}, "AutoCreate": ""})");
        AddPrefab("EdCameraMover", R"({"Components": {"EdCameraMoverBhv": ""}, "AutoCreate": ""})");
        AddPrefab("EdSpritePicker", R"({"Components": {"EdSpritePickerBhv": ""}, "AutoCreate": ""})");
        AddPrefab("EditorRoot", R"({"Components": {"EdRootBhv": ""}, "AutoCreate": [{"Prefab": "EdShapeEditor"},
                                    {"Prefab": "EdCameraMover"}, {"Prefab": "EdSpritePicker"}]})");
        AddScreen();
        engine.Use(Engine::GameplayRoot, screen->Owner());
        root.AddChild(new GameObject("EditorRoot"));
        shapeEditor = dynamic_cast<EdShapeEditorBhv*>(editor.ShapeEditor);
        mover = dynamic_cast<EdCameraMoverBhv*>(editor.CameraMover);
        picker = dynamic_cast<EdSpritePickerBhv*>(editor.SpritePicker);
        graphics.WorldCamera = Camera2d({0.0f, 0.0f}, {40.0f, 22.5f}, 0.0f, Rect(0.0f, 0.0f, 1280.0f, 720.0f));
        solid = AddSolid(Child("Level"), "Stone", {2.0f, 1.0f}, "Box 1 0.5");
        Frame();
        Tap(KeyF11);
    }
    ~EdToolsTest() override { UiScreen::ResumeGameplay(); }

    void Tap(int key, std::initializer_list<int> modifiers = {}) {
        for (int m : modifiers) Hold(m);
        Hold(key);
        Frame();
        Release(key);
        for (int m : modifiers) Release(m);
        Frame();
    }
    B2FixtureComponent& Fixture() const { return *solid->GetComponent<B2FixtureComponent>(); }
    std::string Shape() const { return Fixture().GetShapeText(); }
    void EditShape(const std::string& text) {
        Fixture().SetShapeText(text);
        shapeEditor->Edit(Fixture());
        Frame();
    }
    // Points at `from` (relative to the solid) for a frame, then drags to each of `to`
    // and releases.
    void Drag(Vector2 from, std::initializer_list<Vector2> to) {
        PointAtWorld(solid->GetPosition() + from);
        Frame();
        Hold(KeyLeftMouse);
        for (Vector2 p : to) {
            PointAtWorld(solid->GetPosition() + p);
            Frame();
        }
        Release(KeyLeftMouse);
        Frame();
    }
    std::size_t PointCount() const { return ShapeHandles::FromText(Shape()).Points.size(); }
    bool Paused() const { return !screen->Owner()->UpdateEnabled; }

    B2DebugDrawer& drawer = engine.Make(Engine::DebugDrawer);
    GameObject* solid = nullptr;
    EdShapeEditorBhv* shapeEditor = nullptr;
    EdCameraMoverBhv* mover = nullptr;
    EdSpritePickerBhv* picker = nullptr;
};

TEST_F(EdToolsTest, DeleteKeepsAtLeastThreePolygonPointsAndInsertAtMostEight) {
    EditShape("Polygon 0 0 2 0 1 2");
    PointAtWorld(solid->GetPosition() + Vector2(1.0f, 2.0f));
    Tap(KeyDelete);
    EXPECT_EQ(PointCount(), 3u) << "a triangle keeps its points";

    EditShape("Polygon -1 -1 1 -1 1 1 -1 1");
    PointAtWorld(solid->GetPosition() + Vector2(1.0f, 1.0f));
    Tap(KeyDelete);
    EXPECT_EQ(PointCount(), 3u) << "a square loses the point under the mouse";
    EXPECT_EQ(drawer.EditPoints.size(), 3u);

    EditShape("Polygon 0 -1 0.7 -0.7 1 0 0.7 0.7 0 1 -0.7 0.7 -1 0 -0.7 -0.7");
    PointAtWorld(solid->GetPosition() + Vector2(1.05f, 0.0f));
    Tap(KeyInsert);
    EXPECT_EQ(PointCount(), 8u) << "no ninth point";
    EXPECT_EQ(solid->GetComponent<B2FixtureComponent>(), &Fixture());
}

TEST_F(EdToolsTest, ADragIntoANonConvexPolygonKeepsTheLastValidShape) {
    EditShape("Polygon -1 -1 1 -1 1 1 -1 1");
    Drag({1.0f, 1.0f}, {{0.5f, 0.5f}});
    const std::string valid = Shape();
    EXPECT_NE(valid, "Polygon -1 -1 1 -1 1 1 -1 1");
    Drag({0.5f, 0.5f}, {{0.5f, 0.5f}, {-0.5f, -0.5f}});  // the corner crosses into the square
    EXPECT_EQ(Shape(), valid);
    EXPECT_NE(Fixture().Fixture(), nullptr);
    EXPECT_EQ(drawer.EditPoints.size(), 4u) << "the handles come back from the kept shape";
}

TEST_F(EdToolsTest, EscRestoresTheExactTextAndEnterIsOneUndoStep) {
    const std::string opening = "Polygon -1.25 -1 1 -1 1 1 -1 1";
    EditShape(opening);
    const std::string atOpening = Shape();
    Drag({1.0f, 1.0f}, {{1.3f, 1.7f}});
    ASSERT_NE(Shape(), atOpening);
    Tap(KeyEsc);
    EXPECT_EQ(Shape(), atOpening);
    EXPECT_FALSE(shapeEditor->IsOpen());
    EXPECT_TRUE(drawer.EditPoints.empty());
    EXPECT_EQ(editor.History.UndoCount(), 0u);

    shapeEditor->Edit(Fixture());
    Drag({1.0f, 1.0f}, {{1.3f, 1.7f}});
    const std::string edited = Shape();
    Tap(KeyOemEnter);
    EXPECT_EQ(Shape(), edited);
    ASSERT_EQ(editor.History.UndoCount(), 1u);
    editor.History.Undo();
    EXPECT_EQ(Shape(), atOpening);
    editor.History.Redo();
    EXPECT_EQ(Shape(), edited);
}

TEST_F(EdToolsTest, BoxAndCircleHandlesClampToASmallPositiveSize) {
    EditShape("Box 1 0.5");
    Drag({1.0f, 0.0f}, {{-3.0f, 0.0f}});
    EXPECT_EQ(Fixture().BoxHalfSize, Vector2(ShapeHandles::MinSize, 0.5f));
    EXPECT_NE(Fixture().Fixture(), nullptr);
    Tap(KeyOemEnter);

    EditShape("Circle 0.5");
    Drag({0.5f, 0.0f}, {{0.0f, 0.0f}});
    EXPECT_EQ(Shape(), "Circle " + PropertyText::FormatFloat(ShapeHandles::MinSize));
}

TEST_F(EdToolsTest, AnEdgeOpensNothingAndADeletedTargetClosesTheEditor) {
    EditShape("Edge 0 0 2 0");
    EXPECT_FALSE(shapeEditor->IsOpen());
    EXPECT_FALSE(Paused());

    EditShape("Box 1 0.5");
    EXPECT_TRUE(shapeEditor->IsOpen());
    EXPECT_TRUE(Paused());
    dynamic_cast<InputConsumer&>(*Engine::EditorRoot).Offer(*Engine::InputManager);
    EXPECT_TRUE(editor.IsKeyboardCaptured);
    solid->Destroy();
    Frame();
    Frame();
    EXPECT_FALSE(shapeEditor->IsOpen());
    EXPECT_FALSE(Paused());
    EXPECT_TRUE(drawer.EditPoints.empty());
}

TEST_F(EdToolsTest, TheCameraMoverGivesTheWorldCameraBackBitForBitAndClampsItsZoom) {
    graphics.WorldCamera.Position = {0.1f, -3.3f};
    graphics.WorldCamera.Rotation = 0.2f;
    const Camera2d before = graphics.WorldCamera;
    Tap(KeyF, {KeyCtrl});
    ASSERT_TRUE(mover->IsActive);
    Tap(KeyW);
    Tap(KeyA);
    Tap(KeyEquals);
    EXPECT_EQ(graphics.WorldCamera.Position, Vector2(0.1f - 2.0f, -3.3f + 2.0f));
    EXPECT_EQ(graphics.WorldCamera.Size, Vector2(40.0f / 1.25f, 22.5f / 1.25f));

    mover->ZoomFactor = 10.0f;
    for (int i = 0; i < 6; ++i) Tap(KeyEquals);
    EXPECT_GE(graphics.WorldCamera.Size.y, EdCameraMoverBhv::MinViewSize);
    for (int i = 0; i < 12; ++i) Tap(KeyOemMinus);
    EXPECT_LE(graphics.WorldCamera.Size.x, EdCameraMoverBhv::MaxViewSize);
    EXPECT_TRUE(std::isfinite(ScreenToWorld(graphics.WorldCamera, {3.0f, 5.0f}).x));

    Tap(KeyEsc);
    EXPECT_FALSE(mover->IsActive);
    EXPECT_TRUE(SameBits(graphics.WorldCamera, before));
}

TEST_F(EdToolsTest, TheSpritePickerSelectsWhatItHitsAndAMissKeepsTheSelection) {
    GameObject* stone = Add(Child("Level"), "Pebble");
    Attach<Pos2dComponent>(stone)->Pos = {6.0f, 3.0f};
    Attach<SpriteComponent>(stone)->Size = {2.0f, 2.0f};
    Tap(KeyG, {KeyCtrl});
    ASSERT_TRUE(picker->IsOpen());
    EXPECT_TRUE(editor.IsSpritePicking);
    PointAtWorld({6.5f, 3.5f});
    Tap(KeyLeftMouse);
    EXPECT_EQ(editor.SelectedObject, stone);
    EXPECT_EQ(editor.ListRoot, stone);
    EXPECT_FALSE(picker->IsOpen());

    Tap(KeyG, {KeyCtrl});
    PointAtWorld({-15.0f, -9.0f});
    Tap(KeyLeftMouse);
    EXPECT_EQ(editor.SelectedObject, stone);
    EXPECT_FALSE(picker->IsOpen());
    EXPECT_FALSE(editor.IsSpritePicking);
}

TEST_F(EdToolsTest, TheFieldIsPausedWhileAnyToolIsOpenWhateverOrderTheyClose) {
    EXPECT_FALSE(Paused());
    for (bool moverFirst : {true, false}) {
        mover->Open();
        picker->Open();
        EXPECT_TRUE(Paused());
        moverFirst ? mover->Close() : picker->Close();
        EXPECT_TRUE(Paused());
        moverFirst ? picker->Close() : mover->Close();
        EXPECT_FALSE(Paused());
    }
    SetEditorPause(true);
    mover->Open();
    mover->Close();
    EXPECT_TRUE(Paused()) << "the editor's own pause outlives the tool";
    SetEditorPause(false);
    EXPECT_FALSE(Paused());
}

TEST_F(EdToolsTest, ClosingTheEditorLetsTheFieldRunUnlessAMenuHoldsIt) {
    SetEditorPause(true);  // as F1 or the main palette's toggle
    mover->Open();
    picker->Open();
    Tap(KeyF11);
    EXPECT_FALSE(editor.IsActive);
    EXPECT_FALSE(mover->IsOpen() || picker->IsOpen());
    EXPECT_FALSE(editor.PauseGame) << "the toggle shows the truth when the editor opens again";
    EXPECT_FALSE(Paused());
    Tap(KeyF11);
    EXPECT_TRUE(editor.IsActive);
    EXPECT_FALSE(Paused()) << "F11 opens over the running game";

    SetEditorPause(true);
    mover->Open();
    UiScreen::PauseGameplay();  // a message box is up
    Tap(KeyF11);
    EXPECT_TRUE(Paused()) << "the message box's reason is its own";
    UiScreen::ResumeGameplay();
    EXPECT_FALSE(Paused());
}

}  // namespace
