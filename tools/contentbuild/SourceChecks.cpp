#include "SourceChecks.h"

#include "SourceFile.h"
#include "animation/AnimationReader.h"
#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "core/LowerExtension.h"
#include "graphics/Texture.h"

#include <sndfile.h>

#include <optional>

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
    std::map<std::string, Texture> atlases;
    for (const auto& [name, images] : textures) {
        Texture& texture = atlases[name];
        texture.Name = name;
        for (const std::string& image : images) {
            texture.ImageIndex.emplace(image, int(texture.ImageNames.size()));
            texture.ImageNames.push_back(image);
        }
        texture.ImageRects.resize(images.size());
        texture.TrimRects.resize(images.size());
    }
    auto lookup = [&atlases](const std::string& name) -> Texture* {
        const auto found = atlases.find(name);
        return found != atlases.end() ? &found->second : nullptr;
    };
    // The game works around an image the atlas lacks; the build refuses to ship one.
    auto refuse = [](const fs::path& path, int line, const std::string& what) { throw ContentError(path, line, what); };
    AnimationReader(lookup, 60, refuse).ReadFile(file);
}
