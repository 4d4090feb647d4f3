#pragma once

#include "animation/AnimationData.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

class Texture;

// The one reader of ".anim" files, for the game and the content build. A file is
// read line by line until its end or a line beginning with "Loop", which makes the
// animation loop. Lines beginning with "//" are comments; a frame line is exactly two
// tokens, "<image> <duration>", with nothing around them; every other line is skipped.
//   image:    "+N" / "-N" steps from the previous frame's image in atlas order;
//             "Texture:Image" (or "TextureImage", split before its last character)
//             names one; anything else is a frame without texture.
//   duration: "0.25" is seconds, "3" is ticks of 1 / frame rate.
// What the reader cannot make sense of throws a ContentError "<path>:<line>: <what>":
// a duration that is neither, a step with no image before it, a texture nobody has, a
// line over 255 characters, a file that cannot be read, a loop that lasts no time.
// An image the atlas lacks (a step past its ends, an unknown name) goes to the
// warning sink; such a frame leaves the sprite's image alone when played.
class AnimationReader {
public:
    using TextureLookup = std::function<Texture*(const std::string& name)>;
    using WarningSink = std::function<void(const std::filesystem::path& file, int line, const std::string& what)>;

    static constexpr std::size_t MaxLineLength = 255;

    // A frame rate that is not positive counts as 60.
    AnimationReader(TextureLookup textures, int frameRate, WarningSink warn);

    std::unique_ptr<AnimationData> ReadFile(const std::filesystem::path& file) const;
    // `file` names the text in messages.
    std::unique_ptr<AnimationData> Read(std::istream& in, const std::filesystem::path& file) const;

private:
    friend class AnimationFileParse;

    TextureLookup textures_;
    float frameRate_;
    WarningSink warn_;
};
