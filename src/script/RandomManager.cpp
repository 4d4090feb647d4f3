#include "script/RandomManager.h"

#include <cmath>
#include <ctime>
#include <limits>

namespace {

constexpr float kTwoToMinus32 = 1.0f / 4294967296.0f;
constexpr float kPi = 3.14159274f;
constexpr unsigned kMaxRaw = std::numeric_limits<std::uint32_t>::max();

}  // namespace

RandomManager::RandomManager() : generator_(5489u) {
    Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

void RandomManager::Seed(std::uint32_t seed) { generator_.seed(seed); }

float RandomManager::RandomFloat(float low, float high) {
    // An empty, reversed or overflowing range has no value below high; drawing until
    // one appears would never end.
    if (!(low < high) || !std::isfinite(high - low)) {
        return low;
    }
    for (;;) {
        const float r = static_cast<float>(RandomBits()) * kTwoToMinus32 * (high - low) + low;
        if (r < high) {
            return r;
        }
    }
}

unsigned RandomManager::RandomInt(unsigned low, unsigned high) {
    if (low == high) {
        return low;
    }
    const unsigned range = high - low;
    if (range == kMaxRaw) {
        return low + RandomBits();
    }
    // Equal-sized buckets over the raw outputs; draws past the last whole bucket are
    // thrown back, so every result is equally likely.
    unsigned bucket = kMaxRaw / (range + 1);
    if (kMaxRaw % (range + 1) == range) {
        bucket += 1;
    }
    for (;;) {
        const unsigned r = RandomBits() / bucket;
        if (r <= range) {
            return low + r;
        }
    }
}

Vector2 RandomManager::RandomVector2(Vector2 min, Vector2 max) {
    const float x = min.x < max.x ? RandomFloat(min.x, max.x) : min.x;
    const float y = min.y < max.y ? RandomFloat(min.y, max.y) : min.y;
    return {x, y};
}

float RandomManager::RandomChannel(std::uint8_t a, std::uint8_t b) {
    float x = a / 255.0f;
    const float y = b / 255.0f;
    if (x < y) {
        x = RandomFloat(x, y);
    }
    return x * 255.0f;
}

Color RandomManager::RandomColor(Color a, Color b) {
    // Drawn in the order alpha, red, green, blue.
    const auto alpha = static_cast<std::uint8_t>(RandomChannel(a.a, b.a));
    const auto red = static_cast<std::uint8_t>(RandomChannel(a.r, b.r));
    const auto green = static_cast<std::uint8_t>(RandomChannel(a.g, b.g));
    const auto blue = static_cast<std::uint8_t>(RandomChannel(a.b, b.b));
    return {red, green, blue, alpha};
}

Vector2 RandomManager::RandomDirection() {
    const float angle = RandomFloat(-kPi, kPi);
    return {std::cos(angle), std::sin(angle)};
}
