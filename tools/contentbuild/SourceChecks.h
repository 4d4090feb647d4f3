#pragma once

#include <filesystem>

// Checks of copied sources, so that a broken file fails the content build with its
// name instead of failing the game at start-up. Each throws ContentError.

// A JSON file (prefab, configuration, key mappings) must parse.
void CheckJsonFile(const std::filesystem::path& file);

// A music loop file holds integer "LoopStartSample" <= "LoopEndSample"; when the
// track beside it decodes, both lie inside it.
void CheckMusicLoopFile(const std::filesystem::path& file);

// A file with a sound extension (.wav, .flac, .ogg) must decode.
void CheckSoundFile(const std::filesystem::path& file);

bool HasSoundExtension(const std::filesystem::path& file);
