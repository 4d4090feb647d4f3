#pragma once

#include "graphics/ScreenTiles.h"

#include <cstdint>
#include <vector>

// A running hash per cell of the back buffer of everything drawn over it this frame,
// in the order it is drawn, kept beside the last frame's: a cell whose hash is the
// same drew the same quads the same way, so its pixels are what they were.
class CellFingerprints {
public:
    // Cells over a back buffer of this size; the next frame compares as all changed.
    void Resize(int width, int height);
    // Starts this frame's hashes; the finished frame's become the ones compared with.
    void BeginFrame();
    // Folds `value` into every cell meeting the pixel area [left, right) x [top, bottom).
    void Fold(float left, float top, float right, float bottom, std::uint64_t value);
    // Folds `value` into every cell.
    void FoldAll(std::uint64_t value);
    // The cells whose hash differs from the last frame's; all of them until a frame
    // has been finished after Resize.
    ScreenTiles Changed() const;

    // Mixes `value` into `hash` so that the order of values counts.
    static std::uint64_t Mix(std::uint64_t hash, std::uint64_t value);

private:
    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint64_t> current_;
    std::vector<std::uint64_t> previous_;
    int framesSinceResize_ = 0;
};
