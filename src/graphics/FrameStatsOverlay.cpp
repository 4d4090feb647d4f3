#include "graphics/FrameStatsOverlay.h"

#include "core/Color.h"
#include "core/DrawLayer.h"
#include "core/GameObject.h"
#include "graphics/GraphicsDevice.h"
#include "graphics/Pos2dComponent.h"
#include "graphics/SpriteBatch.h"
#include "graphics/TextComponent.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr float kPanelWidth = 340.0f;
constexpr float kMargin = 8.0f;
constexpr float kFontSize = 16.0f;
constexpr float kTextHeight = 11.5f * kFontSize;  // the figures and up to ten passes
constexpr float kGraphHeight = 60.0f;
constexpr float kGraphStep = 2.0f;
constexpr float kBudgetMs = 1000.0f / 60.0f;
constexpr int kMaxStripPoints = 99;
constexpr Color kTextColour{255, 240, 160, 255};
constexpr Color kShadowColour{0, 0, 0, 255};
constexpr Color kGraphColour{120, 255, 120, 255};
constexpr Color kBudgetColour{255, 80, 80, 255};

std::string Figure(const char* format, double value) {
    char text[48];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

FrameStatsOverlay::FrameStatsOverlay(float screenWidth, BitmapFont* font)
    : corner_(screenWidth - kPanelWidth, kMargin), text_(std::make_unique<GameObject>()) {
    text_->Name = "FrameStatsOverlay";
    auto* position = new Pos2dComponent();
    position->Pos = corner_;
    position->IsRelative = true;  // so the shadow copy can be drawn offset
    text_->AddComponent(position);
    textComponent_ = new TextComponent();
    textComponent_->Font = font;
    textComponent_->FontSize = kFontSize;
    textComponent_->Layer = DrawLayer::Ui;
    textComponent_->AlignmentX = TextXAlignment::Left;
    textComponent_->AlignmentY = TextYAlignment::Top;
    textComponent_->ParagraphSpacing = 0.0f;
    textComponent_->Text = "";
    text_->AddComponent(textComponent_);
}

FrameStatsOverlay::~FrameStatsOverlay() = default;

void FrameStatsOverlay::AddFrame(double milliseconds) {
    newest_ = (newest_ + 1) % kGraphFrames;
    history_[static_cast<std::size_t>(newest_)] = static_cast<float>(milliseconds);
    count_ = std::min(count_ + 1, kGraphFrames);
}

void FrameStatsOverlay::ShowFigures(const FrameStats::Summary& summary) {
    textComponent_->Text = FormatText(summary);
}

std::string FrameStatsOverlay::FormatText(const FrameStats::Summary& summary) {
    std::string text = std::to_string(summary.frames) + " frames" + Figure("  mean %.2f ms", summary.meanMs) +
                       Figure("  p95 %.2f ms", summary.p95Ms);
    for (const FrameStats::PassSummary& pass : summary.passes) {
        text += "\n" + pass.name + Figure("  %.2f ms", pass.meanMs);
    }
    return text;
}

void FrameStatsOverlay::Draw(GraphicsDevice& device) const {
    // A dark copy one pixel down and right keeps the text readable on any ground.
    device.BeginBatch();
    device.DrawTree(text_.get(), LayerBit(DrawLayer::Ui), kShadowColour, Vector2(1.0f, 1.0f));
    device.DrawTree(text_.get(), LayerBit(DrawLayer::Ui), kTextColour, Vector2());
    device.EndBatch();
    DrawGraph(device);
}

// Oldest frame on the left; the scale grows with the slowest frame shown, never below
// twice the budget.
void FrameStatsOverlay::DrawGraph(GraphicsDevice& device) const {
    if (count_ == 0) {
        return;
    }
    const float bottom = corner_.y + kTextHeight + kGraphHeight;
    float scaleMs = 2.0f * kBudgetMs;
    for (int i = 0; i < count_; ++i) {
        scaleMs = std::max(scaleMs, history_[static_cast<std::size_t>(i)]);
    }
    const auto heightOf = [&](float ms) { return bottom - kGraphHeight * std::min(ms, scaleMs) / scaleMs; };

    device.BindImage(0, device.EditorImage());
    const Vector2 budget[] = {{corner_.x, heightOf(kBudgetMs)},
                              {corner_.x + kGraphStep * (kGraphFrames - 1), heightOf(kBudgetMs)}};
    device.DrawLineStrip(budget, 2, kBudgetColour, false);

    std::vector<Vector2> points;
    for (int i = 0; i < count_; ++i) {
        const int slot = (newest_ - count_ + 1 + i + kGraphFrames) % kGraphFrames;
        points.emplace_back(corner_.x + kGraphStep * static_cast<float>(i + kGraphFrames - count_),
                            heightOf(history_[static_cast<std::size_t>(slot)]));
    }
    // Strips of at most kMaxStripPoints, each starting where the last ended.
    for (std::size_t start = 0; start + 1 < points.size() || start == 0; start += kMaxStripPoints - 1) {
        const std::size_t count = std::min<std::size_t>(kMaxStripPoints, points.size() - start);
        device.DrawLineStrip(points.data() + start, static_cast<int>(count), kGraphColour, false);
        if (start + count >= points.size()) {
            break;
        }
    }
}
