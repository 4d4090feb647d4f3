#pragma once

#include <cstdint>

// Deterministic noise from integer hashing: the same seed always gives the same
// art, on every machine, unlike std::rand or the standard distributions.
namespace Noise {

std::uint32_t Hash(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);
// A float in [0, 1) from a hash of the arguments.
float Random(std::uint32_t seed, std::uint32_t a = 0, std::uint32_t b = 0);
// Smooth value noise; with period > 0 it repeats every `period` units on both axes.
float Value(float x, float y, std::uint32_t seed, int period = 0);
// Sum of octaves of Value, roughly in [0, 1).
float Fractal(float x, float y, std::uint32_t seed, int octaves, int period = 0);

}  // namespace Noise
