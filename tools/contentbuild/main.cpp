// vellimor_content <source content dir> <output Content dir> [--development]
// Builds the game's Content directory from the development sources. With
// --development the output's Config/GameConfig.json names the source tree, so the
// game edits and watches the sources.
#include "ContentBuild.h"
#include "core/ContentError.h"

#include <cstring>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "--development") != 0)) {
        std::cerr << "usage: " << argv[0] << " <source content dir> <output Content dir> [--development]\n";
        return 2;
    }
    ContentBuild::Options options;
    options.Source = argv[1];
    options.Output = argv[2];
    if (argc == 4)
        options.DevelopmentPath = options.Source;
    std::error_code error;
    options.NotBefore = fs::last_write_time(fs::read_symlink("/proc/self/exe", error), error);
    options.Log = &std::cout;
    try {
        const int built = ContentBuild(options).Run();
        if (built == 0)
            std::cout << "content up to date\n";
        return 0;
    } catch (const ContentError& e) {
        std::cerr << "content build failed: " << e.what() << '\n';
    } catch (const std::exception& e) {  // file-system errors name their paths themselves
        std::cerr << "content build failed: " << e.what() << '\n';
    }
    return 1;
}
