// Synthesised sounds and music. Everything is computed from sample indices and
// hashed noise, so the files come out identical on every run.
#include "SoundArt.h"

#include "FlacFile.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kRate = 44100;

using Samples = std::vector<float>;  // mono, or interleaved stereo

float White(std::uint32_t seed, std::size_t i) { return Noise::Random(seed, std::uint32_t(i)) * 2 - 1; }

// One-pole low-pass over a buffer, in place.
void LowPass(Samples& s, float cutoffHz) {
    const float k = 1 - std::exp(-2 * kPi * cutoffHz / kRate);
    float y = 0;
    for (float& x : s)
        x = y += k * (x - y);
}

void HighPass(Samples& s, float cutoffHz) {
    Samples low = s;
    LowPass(low, cutoffHz);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] -= low[i];
}

void Normalise(Samples& s, float peak) {
    float most = 0;
    for (float x : s)
        most = std::max(most, std::abs(x));
    if (most > 0)
        for (float& x : s)
            x *= peak / most;
}

// Short fades at both ends: no sound starts or stops with a click.
void FadeEnds(Samples& s, float seconds = 0.004f) {
    const std::size_t n = std::min(s.size() / 2, std::size_t(seconds * kRate));
    for (std::size_t i = 0; i < n; ++i) {
        const float g = float(i) / float(n);
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

Samples Silence(float seconds) { return Samples(std::size_t(seconds * kRate), 0.0f); }

// A seed landing: a soft thump, then a lighter bounce.
Samples SeedDrop() {
    Samples s = Silence(0.3f);
    for (auto [start, gain] : {std::pair{0.0f, 1.0f}, {0.11f, 0.45f}}) {
        const std::size_t at = std::size_t(start * kRate);
        for (std::size_t i = 0; at + i < s.size(); ++i) {
            const float t = float(i) / kRate;
            const float body = std::sin(2 * kPi * (180 - 300 * t) * t) * std::exp(-t * 45);
            const float tick = White(1, i) * std::exp(-t * 400);
            s[at + i] += gain * (body + 0.5f * tick);
        }
    }
    LowPass(s, 3500);
    Normalise(s, 0.8f);
    FadeEnds(s);
    return s;
}

Samples ButtonClick() {
    Samples s = Silence(0.07f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = float(i) / kRate;
        s[i] = (std::sin(2 * kPi * 2200 * t) * 0.6f + White(2, i) * 0.4f) * std::exp(-t * 160);
    }
    HighPass(s, 600);
    Normalise(s, 0.7f);
    FadeEnds(s, 0.001f);
    return s;
}

// Nibbling: a run of small crunches at uneven intervals.
Samples AntEating() {
    Samples s = Silence(0.9f);
    float at = 0.02f;
    for (std::uint32_t bite = 0; at < 0.8f; ++bite) {
        const float gain = 0.5f + 0.5f * Noise::Random(30, bite);
        const std::size_t start = std::size_t(at * kRate);
        for (std::size_t i = 0; start + i < s.size() && i < std::size_t(0.05f * kRate); ++i) {
            const float t = float(i) / kRate;
            const float grit = White(31, start + i) * (Noise::Random(32, std::uint32_t(i / 40)) > 0.5f ? 1.0f : 0.3f);
            s[start + i] += gain * grit * std::exp(-t * 90);
        }
        at += 0.07f + 0.08f * Noise::Random(33, bite);
    }
    HighPass(s, 900);
    LowPass(s, 7000);
    Normalise(s, 0.6f);
    FadeEnds(s);
    return s;
}

// A new ant: a soft rising two-note chime.
Samples AntBirth() {
    Samples s = Silence(0.6f);
    for (auto [start, freq] : {std::pair{0.0f, 660.0f}, {0.12f, 990.0f}}) {
        const std::size_t at = std::size_t(start * kRate);
        for (std::size_t i = 0; at + i < s.size(); ++i) {
            const float t = float(i) / kRate;
            const float f = freq * (1 + 0.03f * std::min(t * 20, 1.0f));
            const float env = std::min(t * 200, 1.0f) * std::exp(-t * 7);
            s[at + i] += env * (std::sin(2 * kPi * f * t) + 0.3f * std::sin(4 * kPi * f * t));
        }
    }
    Normalise(s, 0.6f);
    FadeEnds(s);
    return s;
}

// Something burning under the glass: hiss with small pops, dying away.
Samples Sizzle() {
    Samples s = Silence(1.0f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = float(i) / kRate;
        const float pop = Noise::Random(40, std::uint32_t(i / 300)) > 0.93f ? 2.5f : 1.0f;
        s[i] = White(41, i) * pop * std::min(t * 40, 1.0f) * std::exp(-t * 2.5f);
    }
    HighPass(s, 2500);
    Normalise(s, 0.5f);
    FadeEnds(s);
    return s;
}

// A loop of fire: a rumbling bed and crackles. Built one period long with every
// contribution wrapped around the end, so the last sample runs on into the first.
Samples FireCrackle() {
    const std::size_t n = 3 * kRate;
    Samples bed(n + kRate / 2);
    for (std::size_t i = 0; i < bed.size(); ++i)
        bed[i] = White(50, i);
    LowPass(bed, 400);
    Samples s(n, 0.0f);
    // Cross-fade the filtered bed's tail over its head: the filter's memory at the
    // loop point then matches.
    const std::size_t fade = kRate / 2;
    for (std::size_t i = 0; i < n; ++i) {
        s[i] = bed[i];
        if (i < fade) {
            const float g = float(i) / float(fade);
            s[i] = bed[i] * std::sqrt(g) + bed[n + i] * std::sqrt(1 - g);
        }
    }
    for (float& x : s)
        x *= 3.0f;
    for (std::uint32_t k = 0; k < 70; ++k) {
        const std::size_t at = std::size_t(Noise::Random(51, k) * float(n));
        const float gain = 0.2f + 0.8f * std::pow(Noise::Random(52, k), 2.0f);
        const float decay = 300 + 900 * Noise::Random(53, k);
        for (std::size_t i = 0; i < std::size_t(0.03f * kRate); ++i) {
            const float t = float(i) / kRate;
            s[(at + i) % n] += gain * White(54 + k, i) * std::exp(-t * decay);
        }
    }
    Normalise(s, 0.6f);
    return s;
}

Samples DebugBlip() {
    Samples s = Silence(0.16f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = float(i) / kRate;
        const float f = t < 0.07f ? 880.0f : 1320.0f;
        s[i] = (std::sin(2 * kPi * f * t) > 0 ? 0.35f : -0.35f) * (t < 0.07f ? 1.0f : 0.8f);
    }
    LowPass(s, 5000);
    FadeEnds(s, 0.003f);
    return s;
}

}  // namespace

void WriteSounds(const fs::path& bankDirectory) {
    WriteFlac(bankDirectory / "SeedDrop.flac", SeedDrop(), 1, kRate);
    WriteFlac(bankDirectory / "ButtonClick.flac", ButtonClick(), 1, kRate);
    WriteFlac(bankDirectory / "AntEating.flac", AntEating(), 1, kRate);
    WriteFlac(bankDirectory / "AntBirth.flac", AntBirth(), 1, kRate);
    WriteFlac(bankDirectory / "Sizzle.flac", Sizzle(), 1, kRate);
    WriteFlac(bankDirectory / "FireCrackle.flac", FireCrackle(), 1, kRate);
    WriteFlac(bankDirectory / "DebugBlip.flac", DebugBlip(), 1, kRate);
}
