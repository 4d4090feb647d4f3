#include "core/ContentLog.h"

#include <cstdio>

namespace {
ContentLog::Sink g_sink;
}

void ContentLog::Write(Level level, const std::string& text) {
    if (g_sink) {
        g_sink(level, text);
    } else {
        std::fprintf(stderr, "Vellimor: %s\n", text.c_str());
    }
}

void ContentLog::SetSink(Sink sink) {
    g_sink = std::move(sink);
}
