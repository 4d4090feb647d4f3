// Ants seen from above, head up (sprite +y is the ant's forward direction),
// 64 x 64 pixels = 2 x 2 world units: head with eyes, mandibles and elbowed
// antennae, thorax, petiole, banded gaster and six jointed legs.
#include "ArtOutput.h"
#include "Noise.h"
#include "platform/AtomicFile.h"

#include <cmath>
#include <numbers>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kCentre = 32;  // the body axis
constexpr int kSize = 64;

float Radians(float degrees) { return degrees * kPi / 180; }

struct Pose {
    float LegSwing[6] = {};  // radians added to each femur; 0..2 right front to hind, 3..5 left
    float LegLift[6] = {};   // 0 on the ground, 1 raised in the swing phase
    float Curl = 0;          // 1 folds the legs under the body (a dead ant)
    float Antenna[2] = {};   // radians added to the right and left antenna
    float Sway = 0;          // sideways shift of the gaster, pixels
};

struct LegShape {
    float AttachY, Femur, Tibia, Angle, Bend;
};
// Front, middle and hind leg of the right side, in degrees from +x (y down).
const LegShape kLegs[3] = {{22.5f, 8, 9, -55, -25}, {26.5f, 8.5f, 9.5f, -5, 25}, {30, 9.5f, 11, 35, 25}};

Paint Chitin(float r, float g, float b, float height, float specular, float x, float y) {
    const float grain = 0.9f + 0.2f * Noise::Value(x * 0.7f, y * 0.7f, 17);
    return {r * grain, g * grain, b * grain, 1, height, specular};
}

// A limb segment: a rounded cylinder lying at `height`.
void DrawLimb(Canvas& c, float ax, float ay, float bx, float by, float radius, float height, float r, float g,
              float b) {
    c.Draw(
        [=](float x, float y, Paint& p) {
            const float d = Sdf::Segment(x, y, ax, ay, bx, by, radius);
            if (d > 0)
                return false;
            const float fromAxis = (d + radius) / radius;  // 0 on the axis, 1 at the outline
            const float round = std::sqrt(std::max(0.0f, 1 - fromAxis * fromAxis));
            p = Chitin(r, g, b, height + radius * round, 0.55f, x, y);
            return true;
        },
        std::min(ax, bx) - radius - 1, std::min(ay, by) - radius - 1, std::max(ax, bx) + radius + 1,
        std::max(ay, by) + radius + 1);
}

void DrawLeg(Canvas& c, int index, const Pose& pose) {
    const bool left = index >= 3;
    const LegShape& leg = kLegs[index % 3];
    const float side = left ? -1.0f : 1.0f;
    const float lift = pose.LegLift[index];
    const float shorten = (1 - 0.15f * lift) * (1 - 0.35f * pose.Curl);
    const float height = 2.5f + 3 * lift + 2 * pose.Curl;
    const float femurAngle = Radians(leg.Angle) + pose.LegSwing[index] + pose.Curl * Radians(25);
    const float tibiaAngle = femurAngle + Radians(leg.Bend) + pose.Curl * Radians(70);
    const float tarsusAngle = tibiaAngle + Radians(leg.Bend) * 0.4f;
    const float ax = kCentre + side * 2.5f, ay = leg.AttachY;
    const float kx = ax + side * std::cos(femurAngle) * leg.Femur * shorten, ky = ay + std::sin(femurAngle) * leg.Femur * shorten;
    const float fx = kx + side * std::cos(tibiaAngle) * leg.Tibia * shorten, fy = ky + std::sin(tibiaAngle) * leg.Tibia * shorten;
    const float tx = fx + side * std::cos(tarsusAngle) * 4.5f * shorten, ty = fy + std::sin(tarsusAngle) * 4.5f * shorten;
    DrawLimb(c, fx, fy, tx, ty, 0.6f, height - 1, 0.22f, 0.1f, 0.06f);
    DrawLimb(c, kx, ky, fx, fy, 0.85f, height, 0.27f, 0.12f, 0.07f);
    DrawLimb(c, ax, ay, kx, ky, 1.25f, height + 0.5f, 0.3f, 0.13f, 0.08f);
}

void DrawAntenna(Canvas& c, bool left, float swing, float curl) {
    const float side = left ? -1.0f : 1.0f;
    const float scape = Radians(-160) + swing * side + curl * Radians(40);
    const float flagellum = Radians(-125) + swing * side * 1.5f + curl * Radians(60);
    const float ax = kCentre + side * 2.5f, ay = 11.5f;
    const float ex = ax - side * std::cos(scape) * 5.5f, ey = ay + std::sin(scape) * 5.5f;
    const float tx = ex - side * std::cos(flagellum) * 7.0f, ty = ey + std::sin(flagellum) * 7.0f;
    DrawLimb(c, ax, ay, ex, ey, 0.6f, 6, 0.25f, 0.11f, 0.07f);
    DrawLimb(c, ex, ey, tx, ty, 0.55f, 6.5f, 0.25f, 0.11f, 0.07f);
    DrawLimb(c, tx - side * 0.3f, ty, tx, ty - 0.6f, 0.8f, 6.5f, 0.2f, 0.09f, 0.06f);  // the club
}

void DrawSegment(Canvas& c, float cx, float cy, float rx, float ry, float top, float r, float g, float b,
                 float specular, bool banded) {
    c.Draw(
        [=](float x, float y, Paint& p) {
            if (Sdf::Ellipse(x, y, cx, cy, rx, ry) > 0)
                return false;
            float h = top * Sdf::Dome(x, y, cx, cy, rx, ry);
            float shade = 1;
            if (banded) {
                // Overlapping plates of the gaster: a groove and a darker rim at each joint.
                const float t = (y - cy) / ry;
                for (float joint : {-0.5f, -0.05f, 0.4f}) {
                    const float d = std::abs(t - joint) * ry;
                    if (d < 1.2f) {
                        h -= 0.8f * (1.2f - d);
                        shade *= 0.75f + 0.2f * d;
                    }
                }
            }
            p = Chitin(r * shade, g * shade, b * shade, h + 1.5f, specular, x, y);
            return true;
        },
        cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1);
}

void DrawMandibles(Canvas& c) {
    for (float side : {-1.0f, 1.0f}) {
        const float ax = kCentre + side * 3, ay = 9.5f;
        DrawLimb(c, ax, ay, ax - side * 0.5f, ay - 2.5f, 1.1f, 4, 0.2f, 0.09f, 0.05f);
        DrawLimb(c, ax - side * 0.5f, ay - 2.5f, kCentre + side * 0.9f, ay - 3.6f, 0.9f, 4, 0.17f, 0.08f, 0.04f);
    }
}

void DrawEyes(Canvas& c) {
    for (float side : {-1.0f, 1.0f}) {
        const float cx = kCentre + side * 4.6f, cy = 14.5f;
        c.Draw(
            [=](float x, float y, Paint& p) {
                if (Sdf::Ellipse(x, y, cx, cy, 1.5f, 2) > 0)
                    return false;
                p = {0.04f, 0.04f, 0.05f, 1, 7.5f + 1.5f * Sdf::Dome(x, y, cx, cy, 1.5f, 2), 1};
                return true;
            },
            cx - 3, cy - 3, cx + 3, cy + 3);
    }
}

Canvas DrawAnt(const Pose& pose) {
    Canvas c(kSize, kSize);
    for (int leg = 0; leg < 6; ++leg)
        DrawLeg(c, leg, pose);
    DrawMandibles(c);
    DrawAntenna(c, false, pose.Antenna[0], pose.Curl);
    DrawAntenna(c, true, pose.Antenna[1], pose.Curl);
    DrawSegment(c, kCentre + pose.Sway, 46, 8.5f, 11, 8, 0.22f, 0.09f, 0.06f, 0.85f, true);    // gaster
    DrawSegment(c, kCentre + pose.Sway * 0.4f, 34, 2.6f, 2.6f, 3.5f, 0.3f, 0.13f, 0.08f, 0.6f, false);  // petiole
    DrawSegment(c, kCentre, 27.5f, 4, 4, 5, 0.34f, 0.14f, 0.08f, 0.6f, false);  // propodeum
    DrawSegment(c, kCentre, 21.5f, 4.8f, 4.5f, 6, 0.36f, 0.15f, 0.08f, 0.6f, false);  // pronotum
    DrawSegment(c, kCentre, 14.5f, 6, 6.2f, 6, 0.3f, 0.12f, 0.07f, 0.7f, false);   // head
    DrawEyes(c);
    return c;
}

// Tripod gait: right front, left middle and right hind legs move together, the
// other three half a cycle later; a leg is lifted while it swings forward.
Pose WalkPose(int frame, int frames) {
    Pose pose;
    const float phase = 2 * kPi * float(frame) / float(frames);
    for (int leg = 0; leg < 6; ++leg) {
        const bool groupA = (leg == 0 || leg == 4 || leg == 2);
        const float p = phase + (groupA ? 0 : kPi);
        pose.LegSwing[leg] = -Radians(18) * std::sin(p);
        pose.LegLift[leg] = std::max(0.0f, std::cos(p));
    }
    pose.Sway = 0.8f * std::sin(phase);
    pose.Antenna[0] = Radians(6) * std::sin(phase);
    pose.Antenna[1] = -Radians(6) * std::sin(phase + 0.7f);
    return pose;
}

Pose IdlePose(int frame) {
    Pose pose;
    const float twitch[4][2] = {{0, 0}, {10, -4}, {16, 6}, {6, 14}};
    pose.Antenna[0] = Radians(twitch[frame][0]);
    pose.Antenna[1] = Radians(twitch[frame][1]);
    pose.LegSwing[0] = Radians(3) * float(frame % 2);
    pose.Sway = 0.3f * float(frame % 2);
    return pose;
}

}  // namespace

void DrawAnts(const std::filesystem::path& atlasDirectory) {
    constexpr int kWalkFrames = 8;
    for (int frame = 0; frame < kWalkFrames; ++frame)
        WriteLitSprite(DrawAnt(WalkPose(frame, kWalkFrames)), atlasDirectory, "Walk" + std::to_string(frame + 1));
    for (int frame = 0; frame < 4; ++frame)
        WriteLitSprite(DrawAnt(IdlePose(frame)), atlasDirectory, "Idle" + std::to_string(frame + 1));
    WriteLitSprite(DrawAnt(Pose{}), atlasDirectory, "Still");
    Pose dead;
    dead.Curl = 1;
    WriteLitSprite(DrawAnt(dead), atlasDirectory, "Dead");
}

// The animations over these frames: image names sort in frame order, so "+1"
// steps through them.
void WriteAnimations(const std::filesystem::path& animationDirectory) {
    std::filesystem::create_directories(animationDirectory);
    std::string walk = "// Eight frames of the tripod gait, 5 ticks each.\nAnts:Walk1 5\n";
    for (int i = 0; i < 7; ++i)
        walk += "+1 5\n";
    WriteFileAtomically(animationDirectory / "AntWalk.anim", walk + "Loop\n");
    WriteFileAtomically(animationDirectory / "AntStill.anim", "// Standing still.\nAnts:Still 60\nLoop\n");
    WriteFileAtomically(animationDirectory / "AntIdle.anim",
                        "// Antennae twitching, back and forth.\nAnts:Idle1 12\n+1 10\n+1 14\n+1 10\n-1 12\n-1 10\nLoop\n");
}
