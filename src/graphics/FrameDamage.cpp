#include "graphics/FrameDamage.h"

void FrameDamage::Resize(int width, int height) {
    scenePrints_.Resize(width, height);
    screenPrints_.Resize(width, height);
    scene_.Resize(width, height);
    screen_.Resize(width, height);
}

void FrameDamage::BeginFrame() {
    scenePrints_.BeginFrame();
    screenPrints_.BeginFrame();
}

void FrameDamage::Decide(bool everything) {
    if (everything) {
        scene_.Fill();
        screen_.Fill();
    } else {
        scene_ = scenePrints_.Changed();
        screen_ = screenPrints_.Changed();
        // The mask and the lights read the scene under each pixel they draw.
        screen_.Add(scene_);
    }
    Settle(scene_, sceneRects_, sceneAll_);
    Settle(screen_, screenRects_, screenAll_);
}

void FrameDamage::DrawScreenWhole() {
    screen_.Fill();
    screenRects_.clear();
    screenAll_ = true;
}

// Past some share of the frame, or cut into many pieces, the cells cost more to draw
// piece by piece (each rectangle sets up every quad that reaches it) than whole.
void FrameDamage::Settle(ScreenTiles& cells, std::vector<PixelRect>& rects, bool& all) {
    constexpr std::size_t kMostRects = 96;
    constexpr float kMostShare = 0.6f;
    rects.clear();
    all = cells.Share() > kMostShare;
    if (!all) {
        rects = cells.Rects();
        all = rects.size() > kMostRects;
    }
    if (all) {
        cells.Fill();
        rects.clear();
    }
}
