#pragma once

#include <functional>
#include <string>

// Messages about content that the game works around (a skipped entry, say): one line
// each on standard error. Tests replace the sink to read them.
class ContentLog {
public:
    static void Warning(const std::string& text);

    using Sink = std::function<void(const std::string&)>;
    // An empty sink restores standard error.
    static void SetSink(Sink sink);
};
