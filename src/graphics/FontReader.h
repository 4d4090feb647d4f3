#pragma once

#include <filesystem>

class BitmapFont;
class TextureUploader;

// Reading ".fnt" files (the XML form of the usual bitmap-font description).
namespace FontReader {

// Fills `font` from the file: name (the file's stem), line height, glyphs, kernings,
// then the first page, loaded with LoadTextureFile relative to the file's directory.
// A file that cannot be read or parsed, a missing or non-numeric value, or a page
// size or line height that is not positive is a ContentError "<path>: <what>". A page
// that cannot be loaded is a ContentLog warning naming the font, which then draws
// nothing.
void ReadFont(BitmapFont& font, const std::filesystem::path& fntPath, TextureUploader& uploader);

}  // namespace FontReader
