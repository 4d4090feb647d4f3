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
    sceneAll_ = scene_.All();
    screenAll_ = screen_.All();
    sceneRects_ = sceneAll_ ? std::vector<PixelRect>{} : scene_.Rects();
    screenRects_ = screenAll_ ? std::vector<PixelRect>{} : screen_.Rects();
}

void FrameDamage::RedrawAll() {
    scenePrints_.Invalidate();
    screenPrints_.Invalidate();
}
