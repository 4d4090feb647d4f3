#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A disk that fills up in the middle of the write, simulated with a file size limit
// (which also binds root): the old file survives whole and no temporary is left.
TEST(AtomicFileTest, AFailedSaveKeepsTheOldFile) {
    const auto dir = std::filesystem::temp_directory_path() / ("vellimor-atomic-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const auto file = dir / "Level.json";
    WriteFileAtomically(file, "old");
    WriteFileAtomically(file, "older than the next");
    EXPECT_EQ(ReadFile(file), "older than the next");

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    std::string error;
    try {
        WriteFileAtomically(file, std::string(4096, 'x'));
    } catch (const std::runtime_error& e) {
        error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_NE(error.find("Level.json: cannot write file"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(file), "older than the next");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "no temporary left";
    std::filesystem::remove_all(dir);
}

// Only names the writer itself makes are temporaries: a dot, the target's name, a dot
// and six letters or digits, as a regular file.
TEST(AtomicFileTest, LeftoverTemporariesAndNothingElseAreRemoved) {
    namespace fs = std::filesystem;
    const auto dir = fs::temp_directory_path() / ("vellimor-leftovers-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / ".Dir.json.Ab12Cd");
    const char* leftovers[] = {".Ant.json.Ab12Cd", ".settings.json.000000", ".x.zzzzzz"};
    const char* kept[] = {"Ant.json", ".Ant.json", "Ant.json.Ab12Cd", ".Ant.json.Ab12C", ".Ant.json.Ab12Cde",
                          ".Ant.json.Ab-2Cd", "..Ab12Cd", ".Ant.jsonAb12Cd"};
    for (const char* name : leftovers) std::ofstream(dir / name) << "half";
    for (const char* name : kept) std::ofstream(dir / name) << "keep";
    fs::create_symlink(dir / "Ant.json", dir / ".Link.json.Ab12Cd");

    EXPECT_EQ(RemoveLeftoverTemporaries(dir), 3);
    for (const char* name : leftovers) EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const char* name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::is_directory(dir / ".Dir.json.Ab12Cd"));
    EXPECT_TRUE(fs::is_symlink(dir / ".Link.json.Ab12Cd"));
    EXPECT_EQ(RemoveLeftoverTemporaries(dir / "missing"), 0);
    fs::remove_all(dir);
}

}  // namespace
