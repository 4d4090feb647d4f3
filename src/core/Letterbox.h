#pragma once

#include "core/Vector2.h"

#include <algorithm>
#include <cmath>

// Where a fixed-size frame lands in a window of another size: scaled as large as it
// fits with its aspect kept, centred, with bars on the sides or at the top and
// bottom. Rectangles are in window pixels, origin top-left.
struct Letterbox {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;

    static Letterbox Fit(int frameWidth, int frameHeight, int windowWidth, int windowHeight) {
        if (frameWidth <= 0 || frameHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) {
            return {0, 0, std::max(windowWidth, 0), std::max(windowHeight, 0)};
        }
        const double scale = std::min(double(windowWidth) / frameWidth, double(windowHeight) / frameHeight);
        const int width = std::min(windowWidth, int(std::lround(frameWidth * scale)));
        const int height = std::min(windowHeight, int(std::lround(frameHeight * scale)));
        return {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
    }

    // A window point in frame pixels; points on the bars map outside the frame.
    Vector2 ToFrame(Vector2 windowPoint, int frameWidth, int frameHeight) const {
        if (Width <= 0 || Height <= 0) {
            return windowPoint;
        }
        return {(windowPoint.x - float(X)) * float(frameWidth) / float(Width),
                (windowPoint.y - float(Y)) * float(frameHeight) / float(Height)};
    }

    bool FillsWindow(int windowWidth, int windowHeight) const {
        return X == 0 && Y == 0 && Width == windowWidth && Height == windowHeight;
    }
};
