#pragma once

#include <cstdio>
#include <functional>
#include <string>

// The game's one log: one line each on standard error ("Vellimor: <text>"). Warnings
// are for what the game works around (a skipped entry, a track that loops whole), errors
// for what stops it before it runs. Tests replace the sink to read the lines.
class ContentLog {
public:
    enum class Level { Info, Warning, Error };

    static void Info(const std::string& text) { Write(Level::Info, text); }
    static void Warning(const std::string& text) { Write(Level::Warning, text); }
    static void Error(const std::string& text) { Write(Level::Error, text); }
    static void Write(Level level, const std::string& text);

    using Sink = std::function<void(Level, const std::string&)>;
    // An empty sink restores standard error.
    static void SetSink(Sink sink);
    // Every line that goes to standard error goes to this file too (the log file);
    // null for none. The caller keeps the file open while it is named here.
    static void CopyTo(std::FILE* file);
};
