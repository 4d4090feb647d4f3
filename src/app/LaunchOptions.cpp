#include "app/LaunchOptions.h"

#include <charconv>

namespace {

// A whole positive number and nothing else.
bool ParseFrameCount(const std::string& text, int& count) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, count);
    return error == std::errc() && stop == end && count > 0;
}

}  // namespace

const char* LaunchOptions::Usage() {
    return "usage: vellimor [--frame-stats[=finish|queries]] [--frames N] [--night] [--full-redraw] [--full-passes]\n"
           "               [--version] [--help]\n"
           "  --frame-stats  print frames, mean and 95th-percentile frame time and each pass's time\n"
           "                 once a second; passes are timed with a glFinish after each (=finish,\n"
           "                 the default) or with GL timer queries read a few frames late (=queries)\n"
           "  --frames N     run N frames as fast as possible with a fixed random seed, print the\n"
           "                 statistics of the whole run and exit; at night the pointer sweeps\n"
           "                 the field with the flashlight\n"
           "  --night        start at night with the flashlight in hand\n"
           "  --full-redraw  draw the whole frame every frame instead of only the cells that\n"
           "                 changed (the same picture, slower; for measuring)\n"
           "  --full-passes  draw every pass over the whole frame instead of only where it\n"
           "                 changes pixels; implies --full-redraw (the same picture, slower)\n"
           "  --version      print the name and version and exit\n"
           "  --help         print this and exit\n";
}

LaunchOptions::Result LaunchOptions::Parse(const std::vector<std::string>& arguments) {
    Result result;
    LaunchOptions& options = result.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--frame-stats" || argument == "--frame-stats=finish") {
            options.frameStats = true;
            options.passTiming = PassTiming::Finish;
        } else if (argument == "--frame-stats=queries") {
            options.frameStats = true;
            options.passTiming = PassTiming::Queries;
        } else if (argument == "--night") {
            options.night = true;
        } else if (argument == "--full-redraw") {
            options.fullRedraw = true;
        } else if (argument == "--full-passes") {
            options.fullPasses = true;
        } else if (argument == "--frames" || argument.starts_with("--frames=")) {
            const bool joined = argument != "--frames";
            const bool hasValue = joined || i + 1 < arguments.size();
            const std::string value = joined ? argument.substr(9) : hasValue ? arguments[++i] : "";
            if (!hasValue || !ParseFrameCount(value, options.frames)) {
                result.error = "--frames needs a positive whole number of frames" +
                               (hasValue ? ", not \"" + value + "\"" : std::string());
                return result;
            }
        } else {
            result.error = "unknown option \"" + argument + "\" (try --help)";
            return result;
        }
    }
    return result;
}
