#pragma once

// What a coroutine segment returns.
enum CoKind : int { CoNext = 0, CoStop = 1, CoRestart = 2, CoGoto = 3, CoWaitFrames = 4, CoWaitSeconds = 5 };

// What a coroutine segment asks for when it ends. Count is an identifier, a resume
// point or a frame count, depending on the kind.
struct CoCommand {
    int Kind = CoNext;
    int Count = 0;
    float Seconds = 0.0f;

    // Resume at the following segment in the next frame.
    static constexpr CoCommand Next() { return {CoNext, 0, 0.0f}; }
    static constexpr CoCommand Stop() { return {CoStop, 0, 0.0f}; }
    // Resume at segment 0 within the same step.
    static constexpr CoCommand Restart() { return {CoRestart, 0, 0.0f}; }
    // Resume at `segment` within the same step.
    static constexpr CoCommand Goto(int segment) { return {CoGoto, segment, 0.0f}; }
    // Wait, then resume at the following segment.
    static constexpr CoCommand WaitFrames(int frames) { return {CoWaitFrames, frames, 0.0f}; }
    static constexpr CoCommand WaitSeconds(float seconds) { return {CoWaitSeconds, 0, seconds}; }
    // The answer to the identity query (resume point -1).
    static constexpr CoCommand Identity(int identifier) { return {CoNext, identifier, 0.0f}; }
};

// The first statement of every coroutine member function. Each function gets its
// identifier on its first call, from any instance, and answers resume point -1 with
// it without running a segment.
#define COROUTINE_IDENTITY(resumePoint)                                        \
    static const int coroutineIdentifier_ = Coroutine::NextIdentifier();       \
    if ((resumePoint) == -1) return CoCommand::Identity(coroutineIdentifier_)
