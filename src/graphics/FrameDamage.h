#pragma once

#include "graphics/CellFingerprints.h"
#include "graphics/ScreenTiles.h"

#include <vector>

// Which cells of the kept frame must be drawn again. Two stages: the scene (the lit
// layers' G-buffer targets with their shadow) and the screen (the back buffer, made
// from the scene by the mask and the lights, with the plain and overlay layers on
// top). A cell of the scene changes when the lit quads over it (or the foreground's
// within the shadow's reach) change; a cell of the screen when its scene changes or
// any quad of the screen's passes over it does. Everything else the passes draw
// from must either be folded in or make the frame redraw all.
class FrameDamage {
public:
    void Resize(int width, int height);
    // Starts the survey of a frame: the fingerprints are folded from here on.
    void BeginFrame();
    CellFingerprints& ScenePrints() { return scenePrints_; }
    CellFingerprints& ScreenPrints() { return screenPrints_; }

    // Ends the survey: the cells to draw follow from the fingerprints, or are all of
    // them with `everything`.
    void Decide(bool everything);

    // The screen drawn whole this frame, whatever changed (its kept copy is stale).
    void DrawScreenWhole();

    // Scissor rectangles of the cells to draw; null when that is all of them.
    const std::vector<PixelRect>* SceneScissors() const { return sceneAll_ ? nullptr : &sceneRects_; }
    const std::vector<PixelRect>* ScreenScissors() const { return screenAll_ ? nullptr : &screenRects_; }
    // Keeps only the cells of `cells` that the scene / the screen draws again.
    void LimitToScene(ScreenTiles& cells) const { cells.Keep(scene_); }
    void LimitToScreen(ScreenTiles& cells) const { cells.Keep(screen_); }

private:
    static void Settle(ScreenTiles& cells, std::vector<PixelRect>& rects, bool& all);

    CellFingerprints scenePrints_;
    CellFingerprints screenPrints_;
    ScreenTiles scene_;
    ScreenTiles screen_;
    std::vector<PixelRect> sceneRects_;
    std::vector<PixelRect> screenRects_;
    bool sceneAll_ = true;
    bool screenAll_ = true;
};
