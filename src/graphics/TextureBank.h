#pragma once

#include "graphics/Texture.h"

#include <map>
#include <memory>
#include <string>

// The atlases of one bank directory, by texture name.
class TextureBank {
public:
    virtual ~TextureBank() = default;

    std::map<std::string, std::unique_ptr<Texture>> Textures;
};
