#pragma once

#include "core/DrawableComponent.h"
#include "core/IEditable.h"
#include "core/Rect.h"
#include "core/Vector2.h"

#include <string>

class Texture;

// Which sub-image of which atlas an object shows, how large and on which layer
// (Layer, from DrawableComponent).
class SpriteComponent : public DrawableComponent, public IEditable {
public:
    SpriteComponent();
    ~SpriteComponent() override;

    // The full frame of the image in world units.
    Vector2 Size{1.0f, 1.0f};
    // Offset of the object's position from the frame centre, in world units.
    Vector2 Origin;
    // Copies of the atlas entry's normalised rectangles.
    Rect ImageRect{0.0f, 0.0f, 1.0f, 1.0f};
    Rect TrimRect{0.0f, 0.0f, 1.0f, 1.0f};
    // Index into the atlas lists; -1 = no image chosen (the whole atlas shows).
    int ImageIndex = -1;
    // Above 0: the image is drawn nine-sliced (graphics/NineSlice), its corners this
    // many texels square at one unit a texel, so a panel keeps its corners at any size.
    float SliceBorder = 0.0f;

    // "Tex": storing a texture applies a pending image name.
    Texture* GetTex() const { return texture_; }
    void SetTex(Texture* texture);

    // "ImageName": with a texture, selects that image (an unknown name shows
    // sub-image 0); without one, keeps the name pending until a texture arrives.
    std::string GetImageName() const;
    void SetImageName(const std::string& name);

    // Takes sub-image `index` of the texture; nothing happens without a texture or
    // for an index the atlas does not have.
    void SelectImage(int index);

    // One quad of the trimmed size at the placement, shifted by the origin and the
    // trim, turned about the placement's position (nine with a SliceBorder); nothing
    // without a texture.
    void SubmitQuads(QuadSink& sink, const DrawPlacement& placement) const override;

    // The full frame around the owner's position, less the origin; ignores rotation
    // and trimming.
    Rect GetWorldBounds() const;

    // Around a reload of `texture`: keep the shown image's name, then select it again.
    void RememberImageName(const Texture* texture);
    void RestoreImageName(const Texture* texture);

    // The name waiting for a texture, or null.
    const std::string* PendingImageName() const;

private:
    void SelectByName(const std::string& name);

    Texture* texture_ = nullptr;
};
