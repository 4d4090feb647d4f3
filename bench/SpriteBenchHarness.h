#pragma once

// Shared by the sprite benchmark of the engine and its two peer programs (SDL2's
// renderer, SFML): the same sprite picture, the same motion, the same search for
// the largest sprite count held at a 95th-percentile frame time within budget.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace spritebench {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kSpriteSize = 32;
constexpr double kBudgetMs = 16.7;

// A soft-edged disc, RGBA, rows top to bottom: alpha blending matters.
inline std::vector<std::uint8_t> BallPixels() {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < kSpriteSize; ++y) {
        for (int x = 0; x < kSpriteSize; ++x) {
            const float dx = (x + 0.5f) / kSpriteSize * 2 - 1;
            const float dy = (y + 0.5f) / kSpriteSize * 2 - 1;
            const float r = std::sqrt(dx * dx + dy * dy);
            const float alpha = std::clamp((1.0f - r) * 4.0f, 0.0f, 1.0f);
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(120 + 100 * (x % 8 < 4)),
                                         static_cast<std::uint8_t>(200 - 4 * y), 90,
                                         static_cast<std::uint8_t>(alpha * 255)});
        }
    }
    return pixels;
}

// Sprite centres in pixels (x right, y down), bouncing inside the frame.
struct Movers {
    std::vector<float> x, y, vx, vy;

    void Reset(int count) {
        std::mt19937 random(12345);
        std::uniform_real_distribution<float> px(16, kWidth - 16), py(16, kHeight - 16), v(-3, 3);
        x.resize(count);
        y.resize(count);
        vx.resize(count);
        vy.resize(count);
        for (int i = 0; i < count; ++i) {
            x[i] = px(random);
            y[i] = py(random);
            vx[i] = v(random);
            vy[i] = v(random);
        }
    }

    void Step() {
        for (std::size_t i = 0; i < x.size(); ++i) {
            x[i] += vx[i];
            y[i] += vy[i];
            if (x[i] < 16 || x[i] > kWidth - 16) vx[i] = -vx[i];
            if (y[i] < 16 || y[i] > kHeight - 16) vy[i] = -vy[i];
        }
    }
};

struct FrameStats {
    double p95Ms = 0;
    double meanMs = 0;
};

// One round: `frames` frames timed after 10 unmeasured ones.
template <class Scene>
FrameStats MeasureRound(Scene& scene, int frames) {
    for (int i = 0; i < 10; ++i) {
        scene.Frame();
    }
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        const auto start = std::chrono::steady_clock::now();
        scene.Frame();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    FrameStats stats;
    for (double t : times) stats.meanMs += t / frames;
    std::sort(times.begin(), times.end());
    stats.p95Ms = times[static_cast<std::size_t>(frames * 95 / 100)];
    return stats;
}

// `scene` has SetCount(n) and Frame() (move, draw, present). Other processes can
// only slow a round down, so the best of three rounds is kept.
template <class Scene>
FrameStats Measure(Scene& scene, int count, int frames = 60) {
    scene.SetCount(count);
    FrameStats best = MeasureRound(scene, frames);
    for (int round = 1; round < 3; ++round) {
        const FrameStats stats = MeasureRound(scene, frames);
        if (stats.p95Ms < best.p95Ms) {
            best = stats;
        }
    }
    return best;
}

// Doubles the count while the budget holds, then narrows down to about 3 %.
template <class Scene>
int LargestCount(Scene& scene, const std::string& name) {
    int good = 0;
    int bad = 0;
    for (int n = 250; n <= (1 << 20); n *= 2) {
        const FrameStats s = Measure(scene, n);
        std::fprintf(stderr, "%s: %d sprites, p95 %.2f ms\n", name.c_str(), n, s.p95Ms);
        if (s.p95Ms > kBudgetMs) {
            bad = n;
            break;
        }
        good = n;
    }
    if (bad == 0) {
        return good;
    }
    while (bad - good > std::max(good / 32, 8)) {
        const int n = (good + bad) / 2;
        const FrameStats s = Measure(scene, n);
        std::fprintf(stderr, "%s: %d sprites, p95 %.2f ms\n", name.c_str(), n, s.p95Ms);
        (s.p95Ms <= kBudgetMs ? good : bad) = n;
    }
    return good;
}

// With a sprite count as argument: the frame times at that count, "<name> <count>
// mean <ms> p95 <ms>". Without: the largest count held, "<name> <count>".
template <class Scene>
void Report(Scene& scene, const std::string& name, int argc, char** argv) {
    if (argc > 1) {
        const int count = std::atoi(argv[1]);
        const FrameStats s = Measure(scene, count, 120);
        std::printf("%s %d mean %.2f p95 %.2f\n", name.c_str(), count, s.meanMs, s.p95Ms);
        return;
    }
    std::printf("%s %d\n", name.c_str(), LargestCount(scene, name));
}

}  // namespace spritebench
