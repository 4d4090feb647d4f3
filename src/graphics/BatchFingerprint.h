#pragma once

#include <cstdint>

class CellFingerprints;
class SpriteBatch;
struct ScreenMapping;

// Folds every quad of `batch` into the cells it may touch (widened by `grow` pixels),
// each with all that decides its pixels: corners, tint, texels, rotation, its
// texture group and that group's state, the camera, and `salt` for the pass's own
// state. Quads are folded in tree order, ties between groups in draw order, and the
// depth values themselves are left out: they only restore that order, and they
// shift for every object added earlier in the tree, which changes no pixel.
void FoldBatch(const SpriteBatch& batch, const ScreenMapping& mapping, std::uint64_t salt, float grow,
               CellFingerprints& prints);
