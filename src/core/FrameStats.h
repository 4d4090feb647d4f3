#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Frame and pass times gathered over a window of wall time, summarised as one line:
// "frames=60 mean=16.42ms p95=18.10ms background=1.20ms lit=...". Knows nothing of
// OpenGL or clocks: the caller hands in milliseconds and the current time, so the
// arithmetic is tested without a window.
class FrameStats {
public:
    struct PassSummary {
        std::string name;
        // The mean over the frames that measured the pass.
        double meanMs = 0.0;
    };
    struct Summary {
        std::size_t frames = 0;
        double meanMs = 0.0;
        double p95Ms = 0.0;
        // In the order the passes were first reported.
        std::vector<PassSummary> passes;
    };

    // A window of `windowSeconds` starting at `startSeconds`; 0 never rolls over (a
    // whole run).
    explicit FrameStats(double windowSeconds = 0.0, double startSeconds = 0.0);

    void AddFrame(double milliseconds);
    void AddPass(std::string_view name, double milliseconds);

    // When the window has lasted its length at `nowSeconds`: its figures, and a new
    // empty window starting at `nowSeconds`.
    std::optional<Summary> Roll(double nowSeconds);

    Summary Summarize() const;
    std::string Line() const { return FormatLine(Summarize()); }
    static std::string FormatLine(const Summary& summary);
    // Nearest rank: the smallest value with at least `percent` of the values at or
    // below it; 0 for no values.
    static double Percentile(std::vector<double> values, double percent);

private:
    struct PassTotal {
        std::string name;
        double totalMs = 0.0;
        std::size_t count = 0;
    };
    void Clear();

    double windowSeconds_;
    double startSeconds_;
    std::vector<double> frameMs_;
    std::vector<PassTotal> passes_;
};
