#pragma once

#include "core/Behavior.h"
#include "editor/tools/IEdTool.h"
#include "graphics/Camera2d.h"

// A free editor camera over the paused play field. Standalone (the "EdCameraMover"
// object) it opens with Ctrl+F while the editor is open and closes with Esc; the
// shape editor opens and closes the one on its own object. While open, W/S/A/D move
// it by "MoveIncrement" and = / - zoom in and out by "ZoomFactor" (repeating while
// held), and every update puts it into the world camera. Closing gives the world
// camera back exactly as it was at opening. The view is kept between MinViewSize
// and MaxViewSize world units, so held zoom keys never reach a zero or infinite size.
class EdCameraMoverBhv : public Behavior, public IEdTool {
public:
    static constexpr float MinViewSize = 0.01f;
    static constexpr float MaxViewSize = 100000.0f;

    EdCameraMoverBhv();
    ~EdCameraMoverBhv() override;

    void Start() override;
    void Update() override;
    void HandleInput() override;

    void Open();
    void Close();
    bool IsOpen() const override { return IsActive; }

    float MoveIncrement = 2.0f;
    float ZoomFactor = 1.25f;
    bool IsStandalone = true;
    bool IsActive = false;
    Camera2d SavedCamera;
    Camera2d WorkCamera;

private:
    void HandleStandaloneKeys();
    void Move();
    void Zoom(float factor);
};
