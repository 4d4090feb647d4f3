#include "app/CrashHandler.h"

#include <cxxabi.h>
#include <execinfo.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <typeinfo>

// Everything reached from the signal handler uses only async-signal-safe calls and
// fixed buffers: no allocation, no stdio, no locks.
namespace {

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS};
constexpr std::size_t kPathCapacity = 4096;
constexpr std::size_t kWhatCapacity = 1024;
constexpr std::size_t kAltStackSize = 64 * 1024;

char g_reportDirectory[kPathCapacity] = "";
// The report's name, made when the fault happens; its time is local through the
// offset read at installation (localtime is not async-signal-safe).
char g_reportPath[kPathCapacity] = "";
long g_utcOffsetSeconds = 0;
int g_logFd = -1;
char g_stallWhat[kWhatCapacity] = "";
std::atomic<bool> g_stallPending{false};
std::atomic_flag g_reporting = ATOMIC_FLAG_INIT;
alignas(16) char g_altStack[kAltStackSize];

// The first error of a write to the report (a full disk), so that a report cut
// short is not announced as written.
int g_writeError = 0;

void WriteText(int fd, const char* text) {
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t n = write(fd, text, left);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (g_writeError == 0) {
                g_writeError = n < 0 ? errno : ENOSPC;
            }
            return;
        }
        text += n;
        left -= static_cast<std::size_t>(n);
    }
}

void Append(char* buffer, std::size_t capacity, const char* text) {
    const std::size_t used = std::strlen(buffer);
    std::strncat(buffer + used, text, capacity - used - 1);
}

// Formats into a fixed buffer without stdio.
void AppendNumber(char* buffer, std::size_t capacity, unsigned long long value, unsigned base) {
    char digits[32];
    int at = 31;
    digits[at] = '\0';
    do {
        digits[--at] = "0123456789abcdef"[value % base];
        value /= base;
    } while (value != 0 && at > 0);
    Append(buffer, capacity, digits + at);
}

void AppendHex(char* buffer, std::size_t capacity, unsigned long long value) {
    Append(buffer, capacity, "0x");
    AppendNumber(buffer, capacity, value, 16);
}

void AppendDecimal(char* buffer, std::size_t capacity, unsigned long long value) {
    AppendNumber(buffer, capacity, value, 10);
}

const char* SignalName(int signal) {
    switch (signal) {
        case SIGSEGV: return "SIGSEGV (invalid memory access)";
        case SIGBUS: return "SIGBUS (bus error)";
        case SIGFPE: return "SIGFPE (arithmetic fault)";
        case SIGILL: return "SIGILL (illegal instruction)";
        case SIGABRT: return "SIGABRT (aborted)";
        case SIGTRAP: return "SIGTRAP (trap)";
        case SIGSYS: return "SIGSYS (bad system call)";
        default: return "unknown signal";
    }
}

void CopyFile(int out, const char* path) {
    const int in = open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        WriteText(out, "(unavailable)\n");
        return;
    }
    char buffer[4096];
    ssize_t n;
    while ((n = read(in, buffer, sizeof buffer)) > 0) {
        ssize_t written = 0;
        while (written < n) {
            const ssize_t w = write(out, buffer + written, static_cast<std::size_t>(n - written));
            if (w <= 0) {
                close(in);
                return;
            }
            written += w;
        }
    }
    close(in);
}

void WriteThread(int fd) {
    char name[17] = {};
    prctl(PR_GET_NAME, name, 0, 0, 0);
    char thread[32] = "Thread: ";
    AppendDecimal(thread, sizeof thread, static_cast<unsigned long long>(syscall(SYS_gettid)));
    WriteText(fd, thread);
    WriteText(fd, " \"");
    WriteText(fd, name);
    WriteText(fd, "\"");
    if (syscall(SYS_gettid) == getpid()) {
        WriteText(fd, " (main thread)");
    }
    WriteText(fd, "\n");
}

void AppendPadded(char* buffer, std::size_t capacity, unsigned long long value, int width) {
    for (unsigned long long limit = 10; width > 1; --width, limit *= 10) {
        if (value < limit) {
            Append(buffer, capacity, "0");
        }
    }
    AppendDecimal(buffer, capacity, value);
}

// "<directory>/crash-2026-12-09_14-03-27-<pid>.txt": one file per crash.
void NameReport() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long local = static_cast<long long>(now.tv_sec) + g_utcOffsetSeconds;
    long long days = local / 86400;
    long long second = local % 86400;
    if (second < 0) {
        second += 86400;
        --days;
    }
    // Days since 1970-01-01 to a civil date (proleptic Gregorian).
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

    char* path = g_reportPath;
    path[0] = '\0';
    Append(path, kPathCapacity, g_reportDirectory);
    Append(path, kPathCapacity, "/crash-");
    AppendPadded(path, kPathCapacity, static_cast<unsigned long long>(year), 4);
    Append(path, kPathCapacity, "-");
    AppendPadded(path, kPathCapacity, static_cast<unsigned long long>(month), 2);
    Append(path, kPathCapacity, "-");
    AppendPadded(path, kPathCapacity, static_cast<unsigned long long>(day), 2);
    Append(path, kPathCapacity, "_");
    AppendPadded(path, kPathCapacity, static_cast<unsigned long long>(second / 3600), 2);
    Append(path, kPathCapacity, "-");
    AppendPadded(path, kPathCapacity, static_cast<unsigned long long>(second / 60 % 60), 2);
    Append(path, kPathCapacity, "-");
    AppendPadded(path, kPathCapacity, static_cast<unsigned long long>(second % 60), 2);
    Append(path, kPathCapacity, "-");
    AppendDecimal(path, kPathCapacity, static_cast<unsigned long long>(getpid()));
    Append(path, kPathCapacity, ".txt");
}

// strerror is not async-signal-safe; these are the reasons a report cannot be written.
const char* WhyNotWritten(int error) {
    switch (error) {
        case -1: return "no directory for it: neither XDG_STATE_HOME nor HOME is set";
        case EACCES:
        case EPERM: return "permission denied";
        case EROFS: return "read-only file system";
        case ENOENT:
        case ENOTDIR: return "no such directory";
        case ENOSPC: return "no space left on the device";
        case EDQUOT: return "disk quota exceeded";
        default: return "the file could not be written";
    }
}

// Writes the whole report; `what` and `detail` describe the fault. Returns 0, the
// errno that kept the report from being written, or -1 when there is no directory.
int WriteReport(const char* what, const char* detail) {
    if (g_reportDirectory[0] == '\0') {
        g_reportPath[0] = '\0';
        return -1;
    }
    NameReport();
    const int fd = open(g_reportPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return errno;
    }
    g_writeError = 0;
    WriteText(fd, "Vellimor crash report\n\nWhat happened: ");
    WriteText(fd, what);
    if (detail != nullptr && detail[0] != '\0') {
        WriteText(fd, "\n  ");
        WriteText(fd, detail);
    }
    char process[32] = "\nProcess: ";
    AppendDecimal(process, sizeof process, static_cast<unsigned long long>(getpid()));
    WriteText(fd, process);
    WriteText(fd, "\n");
    WriteThread(fd);
    WriteText(fd, "\nBacktrace:\n");
    void* frames[128];
    const int count = backtrace(frames, 128);
    backtrace_symbols_fd(frames, count, fd);
    WriteText(fd, "\nMemory map:\n");
    CopyFile(fd, "/proc/self/maps");
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    const int error = g_writeError != 0 ? g_writeError : synced ? 0 : errno;
    close(fd);
    return error;
}

// One line on standard error (and in the log): what stopped the game and where its
// report is, or why there is none.
void AnnounceReport(const char* what, int writeError) {
    for (const int fd : {static_cast<int>(STDERR_FILENO), g_logFd}) {
        if (fd < 0) {
            continue;
        }
        WriteText(fd, "Vellimor stopped: ");
        WriteText(fd, what);
        if (writeError == 0) {
            WriteText(fd, "; crash report written to ");
            WriteText(fd, g_reportPath);
        } else {
            WriteText(fd, "; no crash report could be written (");
            if (g_reportPath[0] != '\0') {
                WriteText(fd, g_reportPath);
                WriteText(fd, ": ");
            }
            WriteText(fd, WhyNotWritten(writeError));
            WriteText(fd, ")");
        }
        WriteText(fd, "\n");
    }
}

void RestoreDefaultAndRaise(int signal) {
    struct sigaction def {};
    def.sa_handler = SIG_DFL;
    sigemptyset(&def.sa_mask);
    sigaction(signal, &def, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    pthread_sigmask(SIG_UNBLOCK, &unblock, nullptr);
    raise(signal);
    _exit(128 + signal);
}

void OnFatalSignal(int signal, siginfo_t* info, void*) {
    if (g_reporting.test_and_set()) {
        // Another thread is writing the report; let it finish, then the process ends.
        pause();
    }
    if (g_stallPending.load()) {
        const int error = WriteReport(g_stallWhat, "the frame loop thread was interrupted to show where it hangs");
        AnnounceReport(g_stallWhat, error);
    } else {
        char detail[64] = "";
        if (info != nullptr && info->si_code > 0) {
            // Raised by the kernel for this fault: the address tells what was touched.
            std::strcpy(detail, "fault address ");
            AppendHex(detail, sizeof detail, reinterpret_cast<unsigned long long>(info->si_addr));
        } else if (info != nullptr) {
            std::strcpy(detail, "sent by process ");
            AppendDecimal(detail, sizeof detail, static_cast<unsigned long long>(info->si_pid));
        }
        const char* name = SignalName(signal);
        const int error = WriteReport(name, detail);
        AnnounceReport(name, error);
    }
    RestoreDefaultAndRaise(signal);
}

std::string DescribeCurrentException() {
    std::type_info* type = abi::__cxa_current_exception_type();
    if (type == nullptr) {
        return "std::terminate called without an active exception";
    }
    int status = 0;
    char* demangled = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
    std::string text = "unhandled exception of type ";
    text += status == 0 && demangled != nullptr ? demangled : type->name();
    std::free(demangled);
    try {
        std::rethrow_exception(std::current_exception());
    } catch (const std::exception& e) {
        text += ": ";
        text += e.what();
    } catch (...) {
    }
    return text;
}

void OnTerminate() {
    if (!g_reporting.test_and_set()) {
        const std::string what = DescribeCurrentException();
        const int error = WriteReport(what.c_str(), nullptr);
        AnnounceReport(what.c_str(), error);
    }
    RestoreDefaultAndRaise(SIGABRT);
}

void InstallAlternateStack() {
    stack_t stack{};
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof g_altStack;
    sigaltstack(&stack, nullptr);
}

}  // namespace

void CrashHandler::Install(const std::string& reportDirectory) {
    // Room is left for the report's own name after the directory.
    std::strncpy(g_reportDirectory, reportDirectory.c_str(), kPathCapacity - 64);
    g_reportDirectory[kPathCapacity - 64] = '\0';
    g_reportPath[0] = '\0';
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr) {
        g_utcOffsetSeconds = local.tm_gmtoff;
    }

    // The first backtrace() loads libgcc's unwinder; doing it now keeps that
    // allocation out of the signal handler.
    void* warmUp[4];
    backtrace(warmUp, 4);

    InstallAlternateStack();
    struct sigaction action {};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : kFatalSignals) {
        sigaction(signal, &action, nullptr);
    }
    std::set_terminate(OnTerminate);
}

const char* CrashHandler::ReportPath() {
    return g_reportPath;
}

void CrashHandler::AnnounceAlsoTo(int fd) {
    g_logFd = fd;
}

void CrashHandler::ReportStall(unsigned long thread, const char* what) {
    std::strncpy(g_stallWhat, what, kWhatCapacity - 1);
    g_stallPending.store(true);
    if (pthread_kill(static_cast<pthread_t>(thread), SIGABRT) == 0) {
        // Give the frame loop's thread time to write the report and end the process.
        sleep(3);
    }
    if (!g_reporting.test_and_set()) {
        const int error = WriteReport(what, "written by the watchdog thread");
        AnnounceReport(what, error);
    }
    _exit(3);
}
