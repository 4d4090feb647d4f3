#pragma once

#include "core/Behavior.h"
#include "core/Vector2.h"
#include "core/WeakHandle.h"
#include "editor/tools/IEdTool.h"
#include "editor/tools/ShapeHandles.h"

#include <string>

class B2FixtureComponent;
class EdCameraMoverBhv;

// Edits the collision shape of one live fixture by dragging its handles with the
// mouse (see docs/editor.md): the nearest handle follows the mouse until the left
// button is held, then the handle follows the mouse. Insert and Delete add and remove
// polygon points. The handles live here while dragging; a text the shape parser
// refuses (a polygon dragged non-convex or flat) is never written, so the fixture
// keeps its last valid shape. Enter keeps the shape (one undo step), Esc restores
// the text it had at opening. The fixture is held weakly: when it goes (a level
// reload or switch, an undo) the editor closes. Opens the camera mover on its own
// object and shows the physics view meanwhile; marks no prefab modified.
class EdShapeEditorBhv : public Behavior, public IEdTool {
public:
    ~EdShapeEditorBhv() override;

    void Start() override;
    void HandleInput() override;

    // Opens on the fixture; a fixture with no box, polygon or circle opens nothing
    // and says so.
    void Edit(B2FixtureComponent& fixture);
    bool IsOpen() const override { return isOpen_; }
    B2FixtureComponent* Target() const { return target_.Get(); }

    std::string ShapeAtOpening;
    Vector2 BodyPosition;
    float BodyAngle = 0.0f;
    bool IsDragging = false;
    int SelectedPoint = -1;

private:
    // Enter keeps the shape and records it for undo; Esc puts the opening text back.
    void Finish(bool keep);
    void CloseOtherTools();
    void Close();
    // True when the keys closed the editor.
    bool HandleEndKeys();
    void ReadHandles();
    void FollowMouse(Vector2 mouse);
    bool EditPoints(Vector2 mouse);
    void WriteIfValid();
    void ShowPoints() const;
    EdCameraMoverBhv* Mover() const;
    Vector2 ToWorld(Vector2 body) const;
    Vector2 ToBody(Vector2 world) const;

    WeakHandle<B2FixtureComponent> target_;
    ShapeHandles handles_;
    bool isOpen_ = false;
    bool savedShowPhysics_ = false;
};
