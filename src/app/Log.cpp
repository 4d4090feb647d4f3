#include "app/Log.h"

#include <cstdio>

namespace {
Log::Sink g_sink;
}

void Log::Warning(const std::string& text) {
    if (g_sink) {
        g_sink(text);
    } else {
        std::fprintf(stderr, "Vellimor: %s\n", text.c_str());
    }
}

void Log::SetSink(Sink sink) {
    g_sink = std::move(sink);
}
