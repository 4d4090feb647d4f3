#pragma once

#include "core/FrameStats.h"
#include "core/Vector2.h"

#include <array>
#include <memory>
#include <string>

class BitmapFont;
class GameObject;
class GraphicsDevice;
class TextComponent;

// The on-screen frame statistics: the last second's figures as text in the top-right
// corner and a graph of the last frames' times under it, with a line at 1/60 s.
// Its object lives outside the scene tree, so nothing of it is drawn, updated or
// visited while the overlay is hidden.
class FrameStatsOverlay {
public:
    static constexpr int kGraphFrames = 120;

    // `screenWidth` in pixels of the screen camera; `font` may be null (no text).
    FrameStatsOverlay(float screenWidth, BitmapFont* font);
    ~FrameStatsOverlay();
    FrameStatsOverlay(const FrameStatsOverlay&) = delete;
    FrameStatsOverlay& operator=(const FrameStatsOverlay&) = delete;

    void AddFrame(double milliseconds);
    void ShowFigures(const FrameStats::Summary& summary);
    // With the screen camera and the sprite program current.
    void Draw(GraphicsDevice& device) const;

    // One text line for the frame figures, then one per pass.
    static std::string FormatText(const FrameStats::Summary& summary);

private:
    void DrawGraph(GraphicsDevice& device) const;

    Vector2 corner_;
    std::unique_ptr<GameObject> text_;
    TextComponent* textComponent_ = nullptr;
    std::array<float, kGraphFrames> history_{};
    int newest_ = -1;
    int count_ = 0;
};
