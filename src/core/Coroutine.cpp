#include "core/Coroutine.h"

#include <stdexcept>

Coroutine::Coroutine(Function body) : Body(std::move(body)) {}

int Coroutine::NextIdentifier() {
    static int counter = 0;
    return ++counter;
}

void Coroutine::Step() {
    for (;;) {
        const int segment = ResumePoint;
        const CoCommand command = Body(segment);
        ResumePoint += 1;
        switch (command.Kind) {
            case CoWaitSeconds:
                SecondsToWait += command.Seconds;
                return;
            case CoWaitFrames:
                FramesToWait += command.Count;
                return;
            case CoStop:
                Running = false;
                return;
            case CoRestart:
                if (segment == 0) {
                    throw std::logic_error("coroutine segment 0 asked to restart: it would loop for ever");
                }
                ResumePoint = 0;
                break;
            case CoGoto:
                ResumePoint = command.Count;
                break;
            default:
                return;
        }
    }
}
