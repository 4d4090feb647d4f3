#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Checks of copied sources, so that a broken file fails the content build with its
// name instead of failing the game at start-up. Each throws ContentError.

// A JSON file (prefab, configuration, key mappings) must parse.
void CheckJsonFile(const std::filesystem::path& file);

// A music loop file holds integer "LoopStartSample" <= "LoopEndSample"; when the
// track beside it decodes, both lie inside it.
void CheckMusicLoopFile(const std::filesystem::path& file);

// A file with a sound extension (.wav, .flac, .ogg) must decode.
void CheckSoundFile(const std::filesystem::path& file);

// Image names of every texture, in atlas order (the order relative frames step through).
using TextureImages = std::map<std::string, std::vector<std::string>>;

// An animation file, read by the game's reader against these atlases: what the game
// refuses fails the build, and so does every image the game would only warn about
// (a name the atlas lacks, a step past its ends).
void CheckAnimationFile(const std::filesystem::path& file, const TextureImages& textures);

bool HasSoundExtension(const std::filesystem::path& file);
