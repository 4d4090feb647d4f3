#include "graphics/Camera2d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectNear(Vector2 actual, Vector2 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
}

TEST(CameraTest, WorldCameraMapsPixelsToWorldUnits) {
    const Camera2d world(Vector2(), Vector2(40, 22.5f), 0.0f, Rect(0, 0, 1280, 720));
    ExpectNear(ScreenToWorld(world, {640, 360}, 1280, 720), {0, 0});
    ExpectNear(ScreenToWorld(world, {0, 0}, 1280, 720), {-20, 11.25f});
    ExpectNear(ScreenToWorld(world, {1280, 720}, 1280, 720), {20, -11.25f});
}

TEST(CameraTest, ScreenCameraMapsEveryPixelToItself) {
    const Camera2d screen(Vector2(640, 360), Vector2(1280, -720));
    for (const Vector2 p : {Vector2(0, 0), Vector2(17, 700), Vector2(1279, 3)}) {
        ExpectNear(ScreenToWorld(screen, p, 1280, 720), p);
    }
}

TEST(CameraTest, RotatedCameraTurnsTheMapping) {
    const Camera2d turned(Vector2(3, 4), Vector2(40, 22.5f), 3.14159265f / 2.0f);
    // A pixel right of the centre lies above the camera's position.
    ExpectNear(ScreenToWorld(turned, {640 + 32, 360}, 1280, 720), {3, 5});
}

TEST(CameraTest, ConstantsInvertTheScreenMapping) {
    const Camera2d camera(Vector2(2, -1), Vector2(40, -22.5f), 0.3f);
    const CameraConstants k = MakeCameraConstants(camera);
    // A world point back to clip space lands where ScreenToWorld took it from.
    const Vector2 world = ScreenToWorld(camera, {320, 540}, 1280, 720);
    const Vector2 d = world - k.Pos;
    const float clipX = d.x * k.RotScale[0][0] + d.y * k.RotScale[0][1];
    const float clipY = d.x * k.RotScale[1][0] + d.y * k.RotScale[1][1];
    EXPECT_NEAR(clipX, -0.5f, 1e-4f);
    EXPECT_NEAR(clipY, -0.5f, 1e-4f);
    EXPECT_FALSE(Camera2d(Vector2(), Vector2(0, 1)).CanDraw());
}

}  // namespace
