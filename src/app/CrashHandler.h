#pragma once

#include <string>

// Turns every fatal fault into a report file and one line on standard error:
// fatal signals on any thread, an exception nobody caught (std::terminate), and a
// stalled frame loop reported by the watchdog. The report says what happened, on
// which thread, with a backtrace and the memory map. The process then ends with a
// non-zero status.
class CrashHandler {
public:
    // Installs the handlers; each report is a new file in reportDirectory, named
    // after the moment and the process ("crash-2026-12-09_14-03-27-4242.txt"). With no
    // directory (or one that cannot be written) the message says that no report
    // exists. Safe to call again with another directory (tests do).
    static void Install(const std::string& reportDirectory);

    // The last report's file; empty before any.
    static const char* ReportPath();
    // The stop message goes to this descriptor too (the log file); -1 for none.
    static void AnnounceAlsoTo(int fd);

    // Called by the watchdog: interrupts `thread` (the frame loop's) so the report
    // shows where it hangs. If that thread cannot take the signal, writes the report
    // from the calling thread and ends the process.
    [[noreturn]] static void ReportStall(unsigned long thread, const char* what);
};
