#pragma once

#include <string>

class Texture;
class TextureUploader;

// Reading atlases into Texture records.
namespace AtlasLoader {

// Reads an atlas XML file: loads its ".sheet" image (LoadTextureFile), then appends
// every "sprite" entry to the texture's lists. Throws ContentError naming the file
// when the XML is missing or malformed or a sprite lacks "n", "x", "y", "w" or "h".
void LoadAtlas(Texture& texture, const std::string& xmlPath, TextureUploader& uploader);

// Creates the colour image from the file and, when the path contains "_COL", the
// normal image from the "_NRM" and "_SPEC" files beside it (specular blue merged into
// the normal alpha). An image that cannot be decoded leaves the texture without it;
// a ContentLog warning names the file.
void LoadTextureFile(Texture& texture, const std::string& imagePath, TextureUploader& uploader);

// The sub-image name rule: the last "_COL", "_NRM" or "_SPEC" is removed.
std::string RewriteImageName(const std::string& name);

}  // namespace AtlasLoader
