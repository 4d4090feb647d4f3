// libFuzzer target over the ".anim" reader, against a made-up atlas. Whatever it
// accepts must keep its invariants: frames start in order within the duration, a
// loop lasts some time, and every image index is inside the atlas or reported.
#include "animation/AnimationReader.h"
#include "core/ContentError.h"
#include "graphics/Texture.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

Texture& Atlas() {
    static Texture atlas;
    if (atlas.ImageNames.empty()) {
        atlas.Name = "Ants";
        for (const char* image : {"Walk1", "Walk2", "Walk3", "Idle1", "1"}) {
            atlas.ImageIndex[image] = int(atlas.ImageNames.size());
            atlas.ImageNames.push_back(image);
            atlas.ImageRects.emplace_back();
            atlas.TrimRects.emplace_back();
        }
    }
    return atlas;
}

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "animation reader: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    int warnings = 0, outside = 0;
    AnimationReader reader([](const std::string& name) { return name == "Ants" || name == "Walk" ? &Atlas() : nullptr; },
                           60, [&warnings](const std::filesystem::path&, int, const std::string&) { ++warnings; });
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::unique_ptr<AnimationData> animation;
    try {
        animation = reader.Read(in, "Fuzz.anim");
    } catch (const ContentError&) {
        return 0;
    }
    float start = 0.0f;
    for (const AnimationFrame& frame : animation->Frames) {
        if (frame.StartTime < start || frame.StartTime > animation->Duration) Broken("frames out of order");
        start = frame.StartTime;
        if (frame.Tex != nullptr && !frame.Tex->HasImage(frame.ImageIndex)) ++outside;
    }
    if (animation->Loop && !(animation->Duration > 0.0f)) Broken("a loop that lasts no time");
    if (outside != warnings) Broken("an image outside the atlas without its one warning");
    return 0;
}
