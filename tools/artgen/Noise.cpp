#include "Noise.h"

#include <cmath>

namespace Noise {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float Random(std::uint32_t seed, std::uint32_t a, std::uint32_t b) {
    return float(Hash(seed, a, b) >> 8) / float(1u << 24);
}

namespace {

float Lattice(int x, int y, std::uint32_t seed, int period) {
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    return Random(seed, std::uint32_t(x), std::uint32_t(y));
}

float Smooth(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float Value(float x, float y, std::uint32_t seed, int period) {
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float fx = Smooth(x - float(x0)), fy = Smooth(y - float(y0));
    const float a = Lattice(x0, y0, seed, period), b = Lattice(x0 + 1, y0, seed, period);
    const float c = Lattice(x0, y0 + 1, seed, period), d = Lattice(x0 + 1, y0 + 1, seed, period);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

float Fractal(float x, float y, std::uint32_t seed, int octaves, int period) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * Value(x, y, seed + std::uint32_t(i) * 101u, period);
        total += amplitude;
        x *= 2;
        y *= 2;
        if (period > 0)
            period *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

}  // namespace Noise
