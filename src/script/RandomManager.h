#pragma once

#include "core/Color.h"
#include "core/Vector2.h"

#include <cstdint>
#include <random>

// The one source of random numbers for gameplay, particles and sound variation: a
// 32-bit MT19937 Mersenne twister, seeded with 5489 and then with the clock, so
// runs differ. The sequence depends only on the seed and the order of calls.
class RandomManager {
public:
    RandomManager();
    virtual ~RandomManager() = default;
    RandomManager(const RandomManager&) = delete;
    RandomManager& operator=(const RandomManager&) = delete;

    // Restarts the sequence; tests seed it to get known draws.
    void Seed(std::uint32_t seed);

    // Uniform in [low, high). Gives low when the range is empty or not finite.
    float RandomFloat(float low, float high);
    // Uniform in [low, high], both ends included.
    unsigned RandomInt(unsigned low, unsigned high);
    unsigned RandomInt(unsigned high) { return RandomInt(0u, high); }
    // One raw output of the generator.
    std::uint32_t RandomBits() { return generator_(); }
    // Each component in [min, max) of that component; min where min is not below max.
    Vector2 RandomVector2(Vector2 min, Vector2 max);
    // Each channel between a's and b's; a's channel where it is not below b's.
    Color RandomColor(Color a, Color b);
    // A unit vector at a uniform angle.
    Vector2 RandomDirection();

private:
    float RandomChannel(std::uint8_t a, std::uint8_t b);

    std::mt19937 generator_;
};
