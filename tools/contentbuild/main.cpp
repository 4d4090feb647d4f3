// vellimor_content <source content dir> <output Content dir> [--development] [--atlas <Bank>/<Atlas>]
// Builds the game's Content directory from the development sources. With
// --development the output's Config/GameConfig.json names the source tree, so the
// game edits and watches the sources. With --atlas only that atlas is packed, even
// when it looks up to date: hot reload asks for the one directory that changed.
#include "ContentBuild.h"
#include "core/ContentError.h"

#include <cstring>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

// The options after the two directories; false on anything unknown.
bool ReadFlags(int argc, char** argv, ContentBuild::Options& options) {
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--development") == 0)
            options.DevelopmentPath = options.Source;
        else if (std::strcmp(argv[i], "--atlas") == 0 && i + 1 < argc && argv[i + 1][0] != '\0')
            options.OnlyAtlas = argv[++i];
        else
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    ContentBuild::Options options;
    if (argc >= 3) {
        options.Source = argv[1];
        options.Output = argv[2];
    }
    if (argc < 3 || !ReadFlags(argc, argv, options)) {
        std::cerr << "usage: " << argv[0]
                  << " <source content dir> <output Content dir> [--development] [--atlas <Bank>/<Atlas>]\n";
        return 2;
    }
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
