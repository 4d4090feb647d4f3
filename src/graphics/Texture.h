#pragma once

#include "core/Rect.h"
#include "graphics/AlphaMask.h"
#include "core/Vector2.h"

#include <map>
#include <string>
#include <vector>

class TextureUploader;

// One atlas: its colour image, for lit atlases a normal image (normal in RGB,
// specular intensity in alpha), and its named sub-images. The three lists are
// parallel and follow the order of the sprites in the atlas file.
class Texture {
public:
    Texture() = default;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    virtual ~Texture();

    // Image names of the graphics device; 0 = none.
    unsigned ColorImage = 0;
    unsigned NormalImage = 0;
    std::string Name;
    // Width and height of the colour image in pixels.
    Vector2 Size;
    // Per sub-image: its rectangle in the atlas, normalised, from the top-left corner.
    std::vector<Rect> ImageRects;
    // Per sub-image: the drawn part inside its full frame, normalised to the frame.
    std::vector<Rect> TrimRects;
    std::vector<std::string> ImageNames;
    // Per sub-image: it and a ring of one texel around it are wholly opaque, so that
    // filtering anywhere inside it reads alpha 1. May be shorter than ImageRects.
    std::vector<bool> OpaqueImages;
    std::map<std::string, int> ImageIndex;
    // The colour image's opaque texels, for picking what is drawn; empty when the
    // pixels were never read here.
    AlphaMask Alpha;
    // Who created the images and releases them; null for images lent for one draw.
    TextureUploader* Uploader = nullptr;

    // The sub-image index of a name, -1 when absent.
    int FindImage(const std::string& name) const;
    bool HasImage(int index) const { return index >= 0 && index < static_cast<int>(ImageRects.size()); }
    // The normalised area `uv` (either way round) lies inside an opaque sub-image.
    bool IsOpaqueArea(Rect uv) const;
    // The texel at normalised (u, v) is opaque by the alpha mask; without a mask the
    // whole image counts as opaque.
    bool IsOpaqueAt(Vector2 uv) const;

    void ReleaseColorImage();
    void ReleaseImages();
    // Forgets every sub-image (before the atlas is read again).
    void ClearImages();
};
