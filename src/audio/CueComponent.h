#pragma once

#include "core/Component.h"
#include "core/IEditable.h"

#include <functional>

// The handle through which a cue object is triggered: the cue behaviour of the same
// object fills Play in its Start.
class CueComponent : public Component, public IEditable {
public:
    std::function<void()> Play;
};
