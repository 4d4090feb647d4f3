// "AmbientWeirdness": an 8-second intro and a 56-second loop body. The body's
// pads use only frequencies with a whole number of cycles in the body, and its
// bells die away before the body ends, so sample LoopEnd runs on into sample
// LoopStart without a seam. The intro fades the same pads in (they are functions
// of body time, extended before it) and adds a few bells of its own.
#include "SoundArt.h"

#include "FlacFile.h"
#include "Noise.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kRate = 32000;
constexpr int kIntroSeconds = 8;
constexpr int kBodySeconds = 56;
constexpr long kIntro = long(kIntroSeconds) * kRate;
constexpr long kBody = long(kBodySeconds) * kRate;

// The nearest frequency with a whole number of cycles in the body.
double Periodic(double hz) { return std::round(hz * kBodySeconds) / kBodySeconds; }

// Four chords across the body, each faded in and out with a raised cosine so
// neighbours sum to one; the window wraps around the body.
const std::array<std::array<double, 4>, 4> kChords{{{110.0, 164.8, 246.9, 311.1},
                                                    {98.0, 146.8, 220.0, 277.2},
                                                    {116.5, 174.6, 261.6, 349.2},
                                                    {103.8, 155.6, 233.1, 293.7}}};

double ChordWeight(int chord, double bodyTime) {
    const double span = double(kBodySeconds) / kChords.size();
    double d = std::fmod(bodyTime - chord * span, double(kBodySeconds));
    if (d < 0)
        d += kBodySeconds;
    if (d > kBodySeconds / 2.0)
        d -= kBodySeconds;
    if (std::abs(d) >= span)
        return 0;
    const double c = std::cos(kPi * d / (2 * span));
    return c * c;
}

// The pad at a body time (any real number; the result repeats every body).
void Pad(double bodyTime, double& left, double& right) {
    left = right = 0;
    for (int chord = 0; chord < int(kChords.size()); ++chord) {
        const double w = ChordWeight(chord, bodyTime);
        if (w == 0)
            continue;
        for (int voice = 0; voice < 4; ++voice) {
            const double f = Periodic(kChords[chord][voice]);
            const double beat = 3.0 / kBodySeconds;  // two voices drifting apart and together
            const double a = std::sin(2 * kPi * f * bodyTime) + 0.25 * std::sin(4 * kPi * f * bodyTime);
            const double b = std::sin(2 * kPi * (f + beat) * bodyTime);
            const double gain = w * (voice == 0 ? 0.22 : 0.12);
            left += gain * (a * 0.7 + b * 0.3);
            right += gain * (a * 0.3 + b * 0.7);
        }
    }
    const double sub = 0.12 * std::sin(2 * kPi * Periodic(55.0) * bodyTime) *
                       (0.7 + 0.3 * std::sin(2 * kPi * bodyTime * 8 / kBodySeconds));
    left += sub;
    right += sub;
}

struct Bell {
    double Start, Frequency, Gain, Pan;
};

// An odd scale: whole tones with a raised fourth and a flat sixth.
const double kScale[] = {440.0, 493.9, 554.4, 622.3, 698.5, 784.0, 880.0, 987.8, 1108.7};

std::vector<Bell> Bells() {
    std::vector<Bell> bells{{1.5, 554.4, 0.3, 0.3}, {3.1, 698.5, 0.25, 0.7}, {4.6, 440.0, 0.3, 0.5}};
    // Body bells stop nine seconds before the loop end so they and their echoes
    // have died out when the body starts again.
    for (std::uint32_t beat = 0; beat * 1.75 < kBodySeconds - 9.0; ++beat) {
        if (Noise::Random(700, beat) < 0.35f)
            continue;
        const double start = kIntroSeconds + 0.5 + beat * 1.75 + 0.3 * Noise::Random(701, beat);
        const double f = kScale[Noise::Hash(702, beat) % std::size(kScale)] * (Noise::Random(703, beat) < 0.2f ? 0.5 : 1);
        bells.push_back({start, f, 0.12 + 0.18 * Noise::Random(704, beat), Noise::Random(705, beat)});
    }
    return bells;
}

// Bells with inharmonic partials, then a ping-pong echo.
void AddBells(std::vector<double>& left, std::vector<double>& right) {
    std::vector<double> l(left.size(), 0.0), r(right.size(), 0.0);
    const double partials[3][3] = {{1.0, 1.0, 1.5}, {2.76, 0.4, 3.0}, {5.4, 0.15, 5.0}};  // ratio, gain, decay
    for (const Bell& bell : Bells()) {
        const long start = long(bell.Start * kRate);
        for (long i = 0; i < 8L * kRate && start + i < long(l.size()); ++i) {
            const double t = double(i) / kRate;
            double v = 0;
            for (const auto& p : partials)
                v += p[1] * std::sin(2 * kPi * bell.Frequency * p[0] * t) * std::exp(-t * p[2]);
            v *= bell.Gain * std::min(t * 400, 1.0);
            l[std::size_t(start + i)] += v * (1 - bell.Pan);
            r[std::size_t(start + i)] += v * bell.Pan;
        }
    }
    const long delay = long(0.45 * kRate);
    for (std::size_t i = std::size_t(delay); i < l.size(); ++i) {
        l[i] += 0.4 * r[i - std::size_t(delay)];
        r[i] += 0.4 * l[i - std::size_t(delay)];
    }
    for (std::size_t i = 0; i < l.size(); ++i) {
        left[i] += l[i];
        right[i] += r[i];
    }
}

}  // namespace

void WriteMusic(const fs::path& musicDirectory) {
    fs::create_directories(musicDirectory);
    const std::size_t frames = std::size_t(kIntro + kBody);
    std::vector<double> left(frames), right(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = double(i) / kRate;
        const double fadeIn = t < kIntroSeconds ? std::pow(t / kIntroSeconds, 2.0) : 1.0;
        double l, r;
        Pad(t - kIntroSeconds, l, r);
        left[i] = l * fadeIn;
        right[i] = r * fadeIn;
    }
    AddBells(left, right);
    double peak = 0;
    for (std::size_t i = 0; i < frames; ++i)
        peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
    std::vector<float> interleaved(frames * 2);
    for (std::size_t i = 0; i < frames; ++i) {
        interleaved[2 * i] = float(left[i] * 0.7 / peak);
        interleaved[2 * i + 1] = float(right[i] * 0.7 / peak);
    }
    WriteFlac(musicDirectory / "AmbientWeirdness.flac", interleaved, 2, kRate);
    WriteFileAtomically(musicDirectory / "AmbientWeirdness.json",
                        "{\n    \"LoopStartSample\": " + std::to_string(kIntro) +
                            ",\n    \"LoopEndSample\": " + std::to_string(kIntro + kBody - 1) + "\n}\n");
}
