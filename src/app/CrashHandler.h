#pragma once

#include <string>

// Turns every fatal fault into a report file and one line on standard error:
// fatal signals on any thread, an exception nobody caught (std::terminate), and a
// stalled frame loop reported by the watchdog. The report says what happened, on
// which thread, with a backtrace and the memory map. The process then ends with a
// non-zero status.
class CrashHandler {
public:
    // Installs the handlers; reports go to reportPath. Safe to call again with
    // another path (tests do).
    static void Install(const std::string& reportPath);

    static const char* ReportPath();

    // Called by the watchdog: interrupts `thread` (the frame loop's) so the report
    // shows where it hangs. If that thread cannot take the signal, writes the report
    // from the calling thread and ends the process.
    [[noreturn]] static void ReportStall(unsigned long thread, const char* what);
};
