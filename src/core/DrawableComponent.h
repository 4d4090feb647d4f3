#pragma once

#include "core/Component.h"
#include "core/DrawLayer.h"
#include "core/DrawSlot.h"

class QuadSink;
struct DrawPlacement;

// A component that the frame's tree walk draws. The owner keeps its drawables by
// slot, so the walk visits only these and asks only those whose layer is in the
// pass.
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
