#pragma once

#include "core/Component.h"
#include "core/DrawLayer.h"

class QuadSink;
struct DrawPlacement;

// The kinds of drawable component, in the order an object submits them. An object
// draws at most one of each kind: the first attached (as its shortcuts name it).
enum class DrawSlot : unsigned char {
    Sprite,
    Text,
};

// A component that the frame's tree walk draws. The owner keeps a list of its
// drawables, so the walk visits only these and asks only those whose layer is in
// the pass.
class DrawableComponent : public Component {
public:
    explicit DrawableComponent(DrawSlot slot) : slot_(slot) {}

    // Every quad of this component goes into one layer.
    DrawLayer Layer = DrawLayer::Background;

    DrawSlot Slot() const { return slot_; }

    // Submits this component's quads for a pass that includes Layer, placed at the
    // owner's placement.
    virtual void SubmitQuads(QuadSink& sink, const DrawPlacement& placement) const = 0;

private:
    DrawSlot slot_;
};
