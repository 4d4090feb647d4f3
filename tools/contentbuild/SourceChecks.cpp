#include "SourceChecks.h"

#include "SourceFile.h"
#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/LowerExtension.h"

#include <sndfile.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <regex>

namespace fs = std::filesystem;

namespace {

// The game reads the same members the same way; negative points are caught here only.
long ReadLoopPoint(const ContentFile& file, const std::string& key) {
    const long sample = file.Get<long>(key);
    if (sample < 0)
        file.Fail("\"" + key + "\" must be a sample number, not " + std::to_string(sample));
    return sample;
}

std::optional<long> FrameCountOfTrackBeside(const fs::path& loopFile) {
    for (const auto& entry : fs::directory_iterator(loopFile.parent_path()))
        if (entry.path().stem() == loopFile.stem() && entry.path() != loopFile && HasSoundExtension(entry.path())) {
            SF_INFO info{};
            SNDFILE* sound = sf_open(entry.path().c_str(), SFM_READ, &info);
            if (!sound)
                continue;
            sf_close(sound);
            return long(info.frames);
        }
    return std::nullopt;
}

}  // namespace

bool HasSoundExtension(const fs::path& file) {
    const std::string extension = LowerExtension(file);
    return extension == ".wav" || extension == ".flac" || extension == ".ogg";
}

void CheckJsonFile(const fs::path& file) {
    ContentFile::ReadJson(file);
}

void CheckMusicLoopFile(const fs::path& path) {
    const ContentFile file = ContentFile::ReadJson(path);
    const long start = ReadLoopPoint(file, "LoopStartSample");
    const long end = ReadLoopPoint(file, "LoopEndSample");
    if (start > end)
        file.Fail("\"LoopStartSample\" lies after \"LoopEndSample\"");
    if (const auto frames = FrameCountOfTrackBeside(path); frames && end >= *frames)
        file.Fail("\"LoopEndSample\" " + std::to_string(end) + " lies beyond the track's " + std::to_string(*frames) +
                  " samples");
}

void CheckSoundFile(const fs::path& file) {
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    if (!sound)
        throw ContentError(file, std::string("cannot decode sound (") + sf_strerror(nullptr) + ")");
    sf_close(sound);
    if (info.frames <= 0)
        throw ContentError(file, "holds no samples");
}

void CheckAnimationFile(const fs::path& file, const TextureImages& textures) {
    std::ifstream in(file);
    if (!in)
        throw ContentError(file, "cannot open");
    static const std::regex frameLine(R"((\S+)\s+(\S+))"), step(R"((\+|-)(\d+))"), named(R"((\w+)?:?(\w+))"),
        seconds(R"(\d+\.\d+)"), ticks(R"(\d+)");
    const std::vector<std::string>* atlas = nullptr;
    long index = -1;
    int frames = 0, lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        const std::string where = "line " + std::to_string(++lineNumber) + ": ";
        if (line.size() > 255)
            throw ContentError(file, where + "longer than 255 characters");
        if (line.rfind("//", 0) == 0)
            continue;
        if (line.rfind("Loop", 0) == 0) {
            if (frames == 0)
                throw ContentError(file, where + "a looping animation needs frames");
            return;
        }
        std::smatch token, image;
        if (!std::regex_match(line, token, frameLine))
            continue;
        const std::string name = token[1], duration = token[2];
        if (!std::regex_match(duration, seconds) && !std::regex_match(duration, ticks))
            throw ContentError(file, where + "duration \"" + duration + "\" is neither ticks (5) nor seconds (0.25)");
        if (std::regex_match(name, image, step)) {
            if (!atlas)
                throw ContentError(file, where + "a step \"" + name + "\" needs a named frame before it");
            index += (image[1] == "+" ? 1 : -1) * std::stol(image[2]);
            if (index < 0 || index >= long(atlas->size()))
                throw ContentError(file, where + "\"" + name + "\" steps outside the atlas");
        } else if (std::regex_match(name, image, named)) {
            const auto texture = textures.find(image[1]);
            if (texture == textures.end())
                throw ContentError(file, where + "no texture \"" + image[1].str() + "\" (write Texture:Image)");
            atlas = &texture->second;
            index = std::find(atlas->begin(), atlas->end(), image[2].str()) - atlas->begin();
            if (index == long(atlas->size()))
                throw ContentError(file, where + "texture \"" + image[1].str() + "\" has no image \"" + image[2].str() + "\"");
        }
        ++frames;
    }
}
