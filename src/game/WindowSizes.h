#pragma once

#include <vector>

// The window sizes the options screen goes through: the common 16:9 sizes from the
// smallest window up to the screen's usable area, with the window's own size among
// them when it is none of those (a window the player dragged), smallest first.
class WindowSizes {
public:
    struct Size {
        int Width = 0;
        int Height = 0;
        bool operator==(const Size& other) const { return Width == other.Width && Height == other.Height; }
    };

    static std::vector<Size> Choices(Size usable, Size current);
    // The size `step` places after `current` among the choices, round the list.
    static Size Step(Size usable, Size current, int step);
};
