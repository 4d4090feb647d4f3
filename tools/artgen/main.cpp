// vellimor_artgen <content dir>
// vellimor_artgen --preview <content dir> <png>   (a lit still of the committed art)
// vellimor_artgen --icons <dir>                   (the application icon, for installing)
// Draws every image, synthesises every sound and the music, and writes the
// animations of the content tree. The output is deterministic: running it again
// gives the same bytes, so the committed sources can be checked against it.
#include "ArtOutput.h"
#include "LitPreview.h"
#include "SoundArt.h"
#include "core/ContentError.h"

#include <iostream>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--preview") {
        try {
            RenderLitPreview(argv[2], argv[3]);
            return 0;
        } catch (const ContentError& e) {
            std::cerr << "preview failed: " << e.what() << '\n';
            return 1;
        }
    }
    if (argc == 3 && std::string(argv[1]) == "--icons") {
        try {
            DrawIcons(argv[2]);
            return 0;
        } catch (const std::exception& e) {  // ContentError and file-system errors name the file
            std::cerr << "icons failed: " << e.what() << '\n';
            return 1;
        }
    }
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <content dir>\n       " << argv[0]
                  << " --preview <content dir> <png>\n       " << argv[0] << " --icons <dir>\n";
        return 2;
    }
    const fs::path content = argv[1];
    const fs::path textures = content / "Textures" / "Main";
    try {
        DrawAnts(textures / "Ants");
        DrawWorldObjects(textures / "World");
        DrawGround(textures / "Ground");
        DrawLights(textures / "Lights");
        DrawEffects(textures / "Effects");
        DrawHud(textures / "Hud");
        DrawEditor(textures / "Editor");
        WriteSounds(content / "Sounds" / "Main");
        WriteMusic(content / "Music");
        WriteAnimations(content / "Animations");
    } catch (const ContentError& e) {
        std::cerr << "art generator failed: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "art generator failed: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
