#include "core/ContentLog.h"

#include <cstdio>
#include <ctime>

namespace {
ContentLog::Sink g_sink;
std::FILE* g_copy = nullptr;

// "14:03:27 " for the log file, which outlives the run that wrote it.
void WriteCopy(const std::string& text) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char stamp[16] = "";
    if (localtime_r(&now, &local) != nullptr) {
        std::strftime(stamp, sizeof stamp, "%H:%M:%S ", &local);
    }
    std::fprintf(g_copy, "%s%s\n", stamp, text.c_str());
    std::fflush(g_copy);
}
}  // namespace

void ContentLog::Write(Level level, const std::string& text) {
    if (g_sink) {
        g_sink(level, text);
        return;
    }
    std::fprintf(stderr, "Vellimor: %s\n", text.c_str());
    if (g_copy != nullptr) {
        WriteCopy(text);
    }
}

void ContentLog::SetSink(Sink sink) {
    g_sink = std::move(sink);
}

void ContentLog::CopyTo(std::FILE* file) {
    g_copy = file;
}
