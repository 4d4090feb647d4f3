#include "core/FrameStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace {

std::string Milliseconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2fms", value);
    return text;
}

}  // namespace

FrameStats::FrameStats(double windowSeconds, double startSeconds)
    : windowSeconds_(windowSeconds), startSeconds_(startSeconds) {}

void FrameStats::AddFrame(double milliseconds) {
    frameMs_.push_back(milliseconds);
}

void FrameStats::AddPass(std::string_view name, double milliseconds) {
    auto found = std::find_if(passes_.begin(), passes_.end(), [name](const PassTotal& p) { return p.name == name; });
    if (found == passes_.end()) {
        passes_.push_back(PassTotal{std::string(name), 0.0, 0});
        found = passes_.end() - 1;
    }
    found->totalMs += milliseconds;
    ++found->count;
}

std::optional<FrameStats::Summary> FrameStats::Roll(double nowSeconds) {
    if (windowSeconds_ <= 0.0 || nowSeconds - startSeconds_ < windowSeconds_) {
        return std::nullopt;
    }
    Summary summary = Summarize();
    Clear();
    startSeconds_ = nowSeconds;
    return summary;
}

void FrameStats::Clear() {
    frameMs_.clear();
    // The names stay, so each line lists the passes in the same order.
    for (PassTotal& pass : passes_) {
        pass.totalMs = 0.0;
        pass.count = 0;
    }
}

FrameStats::Summary FrameStats::Summarize() const {
    Summary summary;
    summary.frames = frameMs_.size();
    if (!frameMs_.empty()) {
        summary.meanMs = std::accumulate(frameMs_.begin(), frameMs_.end(), 0.0) / static_cast<double>(frameMs_.size());
    }
    summary.p95Ms = Percentile(frameMs_, 95.0);
    for (const PassTotal& pass : passes_) {
        if (pass.count > 0) {
            summary.passes.push_back(PassSummary{pass.name, pass.totalMs / static_cast<double>(pass.count)});
        }
    }
    return summary;
}

std::string FrameStats::FormatLine(const Summary& summary) {
    std::string line = "frames=" + std::to_string(summary.frames) + " mean=" + Milliseconds(summary.meanMs) +
                       " p95=" + Milliseconds(summary.p95Ms);
    for (const PassSummary& pass : summary.passes) {
        line += " " + pass.name + "=" + Milliseconds(pass.meanMs);
    }
    return line;
}

double FrameStats::Percentile(std::vector<double> values, double percent) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(values.size()));
    const std::size_t index = static_cast<std::size_t>(std::max(rank, 1.0)) - 1;
    return values[std::min(index, values.size() - 1)];
}
