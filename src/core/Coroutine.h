#pragma once

#include "core/CoCommand.h"

#include <functional>

// One coroutine of a behaviour: a member function taking a resume point and
// returning a CoCommand, written as a switch with one case per segment. The object
// remembers where to resume and how long to wait.
class Coroutine {
public:
    using Function = std::function<CoCommand(int)>;

    explicit Coroutine(Function body);
    virtual ~Coroutine() = default;
    Coroutine(const Coroutine&) = delete;
    Coroutine& operator=(const Coroutine&) = delete;

    // Runs segments until one asks for the next frame, a wait or a stop. Restart and
    // goto continue in the same step; a restart from segment 0 would loop for ever and
    // throws std::logic_error.
    void Step();

    // 1, 2, 3 ... in order of first use, shared by every instance of a class.
    static int NextIdentifier();

    Function Body;
    bool Running = false;
    int ResumePoint = 0;
    float SecondsToWait = 0.0f;
    int FramesToWait = 0;
};
