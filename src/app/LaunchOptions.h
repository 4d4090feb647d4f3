#pragma once

#include <string>
#include <vector>

// What the command line asks of the game. Parsing never touches the display, so a bad
// argument is refused before any window opens.
struct LaunchOptions {
    // How pass times are taken: after a glFinish per pass in wall time (right on
    // software rasterisers), or from GL timer queries read a few frames late.
    enum class PassTiming { Finish, Queries };

    // --frame-stats[=finish|queries]: a statistics line a second on standard output.
    bool frameStats = false;
    PassTiming passTiming = PassTiming::Finish;
    // --frames N: N frames as fast as they run, a fixed random seed, then the run's
    // statistics and exit; 0 = play until the window closes.
    int frames = 0;
    // --night: the game starts at night with the flashlight in hand.
    bool night = false;
    // --full-passes: every pass of the frame covers the whole frame, for comparing
    // the frame's cost with and without the passes' savings (the picture is the same).
    bool fullPasses = false;
    // --full-redraw: every frame is drawn whole, not only the cells that changed.
    bool fullRedraw = false;
    bool help = false;
    bool version = false;

    struct Result;
    // The arguments after the program name.
    static Result Parse(const std::vector<std::string>& arguments);
    static const char* Usage();
};

struct LaunchOptions::Result {
    LaunchOptions options;
    // One line saying what is wrong; empty when the arguments are good.
    std::string error;
};
