#pragma once

#include "audio/Sound.h"

#include <map>
#include <memory>
#include <string>

// The sounds of one directory under "Content/Sounds", by file stem with its case kept.
struct SoundBank {
    std::map<std::string, std::unique_ptr<Sound>> Sounds;
};
