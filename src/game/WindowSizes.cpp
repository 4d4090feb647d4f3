#include "game/WindowSizes.h"

#include <algorithm>

namespace {

constexpr WindowSizes::Size kCommon[] = {{640, 360},   {960, 540},   {1280, 720},  {1600, 900},
                                         {1920, 1080}, {2560, 1440}, {3200, 1800}, {3840, 2160}};

bool Smaller(const WindowSizes::Size& a, const WindowSizes::Size& b) {
    return a.Width != b.Width ? a.Width < b.Width : a.Height < b.Height;
}

}  // namespace

std::vector<WindowSizes::Size> WindowSizes::Choices(Size usable, Size current) {
    std::vector<Size> choices;
    for (const Size& size : kCommon) {
        if (size.Width <= usable.Width && size.Height <= usable.Height) {
            choices.push_back(size);
        }
    }
    if (std::find(choices.begin(), choices.end(), current) == choices.end()) {
        choices.insert(std::upper_bound(choices.begin(), choices.end(), current, Smaller), current);
    }
    return choices;
}

WindowSizes::Size WindowSizes::Step(Size usable, Size current, int step) {
    const std::vector<Size> choices = Choices(usable, current);
    const int count = static_cast<int>(choices.size());
    const int at = static_cast<int>(std::find(choices.begin(), choices.end(), current) - choices.begin());
    return choices[static_cast<std::size_t>(((at + step) % count + count) % count)];
}
