#include "ContentBuild.h"

#include "AtlasPacker.h"
#include "FontBaker.h"
#include "SourceChecks.h"
#include "SourceFile.h"
#include "core/ContentError.h"
#include "core/LowerExtension.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <iostream>

namespace fs = std::filesystem;

namespace {

const char* const kGameConfigName = "GameConfig.json";

// Entries of a directory sorted by name, without hidden files.
std::vector<fs::path> SortedEntries(const fs::path& directory) {
    std::vector<fs::path> entries;
    if (!fs::is_directory(directory))
        return entries;
    for (const auto& entry : fs::directory_iterator(directory))
        if (entry.path().filename().string()[0] != '.')
            entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string Count(std::size_t n, const std::string& noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

void CheckCopiedSource(const fs::path& file, const std::string& directory) {
    if (LowerExtension(file) == ".json")
        directory == "Music" ? CheckMusicLoopFile(file) : CheckJsonFile(file);
    else if ((directory == "Sounds" || directory == "Music") && HasSoundExtension(file))
        CheckSoundFile(file);
}

}  // namespace

ContentBuild::ContentBuild(Options options) : options_(std::move(options)) {}

const std::vector<std::string>& ContentBuild::Directories() {
    static const std::vector<std::string> directories{"Config",   "Prefabs",    "Textures", "Fonts",
                                                      "Sounds",   "Animations", "Music"};
    return directories;
}

int ContentBuild::Run() {
    if (!fs::is_directory(options_.Source))
        throw ContentError(options_.Source, "is not a content directory");
    if (!options_.OnlyAtlas.empty()) {
        BuildOnlyAtlas();
        return built_;
    }
    for (const std::string& directory : Directories())
        fs::create_directories(options_.Output / directory);
    for (const fs::path& bank : SortedEntries(options_.Source / "Textures"))
        if (fs::is_directory(bank))
            BuildTextureBank(bank);
    for (const fs::path& bank : SortedEntries(options_.Source / "Fonts"))
        if (fs::is_directory(bank))
            BuildFontBank(bank);
    // Animations are checked on every build: a changed atlas can break one.
    for (const fs::path& file : SortedEntries(options_.Source / "Animations"))
        if (LowerExtension(file) == ".anim")
            CheckAnimationFile(file, textures_);
    for (const char* directory : {"Config", "Prefabs", "Animations", "Sounds", "Music"})
        MirrorDirectory(directory);
    if (!options_.DevelopmentPath.empty())
        WriteGameConfig();
    return built_;
}

void ContentBuild::BuildTextureBank(const fs::path& sourceBank) {
    const fs::path outputBank = options_.Output / "Textures" / sourceBank.filename();
    fs::create_directories(outputBank);
    std::set<std::string> outputs;
    for (const fs::path& entry : SortedEntries(sourceBank)) {
        if (!fs::is_directory(entry)) {
            if (AtlasPacker::IsImageFile(entry))
                throw ContentError(entry, "images belong in an atlas directory: Textures/<Bank>/<Atlas>/");
            continue;
        }
        for (const std::string& name : BuildAtlas(entry, outputBank, false))
            outputs.insert(name);
    }
    RemoveStaleFiles(outputBank, outputs);
}

void ContentBuild::BuildOnlyAtlas() {
    const fs::path sourceAtlas = options_.Source / "Textures" / options_.OnlyAtlas;
    const fs::path outputBank = (options_.Output / "Textures" / options_.OnlyAtlas).parent_path();
    if (!fs::is_directory(sourceAtlas) || fs::path(options_.OnlyAtlas).parent_path().empty())
        throw ContentError(sourceAtlas, "is not an atlas directory: Textures/<Bank>/<Atlas>/");
    fs::create_directories(outputBank);
    const std::vector<std::string> kept = BuildAtlas(sourceAtlas, outputBank, true);
    // What the atlas no longer makes goes: every file when its images are all gone,
    // the other kind's when it turned lit or unlit.
    const std::string name = sourceAtlas.filename().string();
    for (bool lit : {false, true})
        for (const std::string& file : AtlasPacker::OutputFileNames(name, lit))
            if (std::find(kept.begin(), kept.end(), file) == kept.end() && fs::remove(outputBank / file))
                Report("remove " + Relative(outputBank / file));
}

std::vector<std::string> ContentBuild::BuildAtlas(const fs::path& sourceAtlas, const fs::path& outputBank,
                                                  bool force) {
    const AtlasPacker::Source source = AtlasPacker::Scan(sourceAtlas);
    if (source.Images.empty())
        return {};
    std::vector<std::string> names;
    for (const auto& image : source.Images)
        names.push_back(image.Name);
    textures_.emplace(source.Name, names);  // the game finds a name in the first bank that has it
    std::vector<fs::path> inputs{sourceAtlas}, files;
    for (const auto& image : source.Images)
        inputs.insert(inputs.end(), image.Files.begin(), image.Files.end());
    const std::vector<std::string> outputs = AtlasPacker::OutputFileNames(source.Name, source.Lit);
    for (const std::string& name : outputs)
        files.push_back(outputBank / name);
    if (!force && IsUpToDate(inputs, files))
        return outputs;
    const AtlasPacker::Packed atlas = AtlasPacker::Pack(source);
    AtlasPacker::Write(atlas, outputBank);
    Report("atlas " + Relative(files[0]) + " (" + Count(atlas.Sprites.size(), "image") + ", " +
           std::to_string(atlas.Sheets[0].Width) + "x" + std::to_string(atlas.Sheets[0].Height) +
           (atlas.Lit ? ", colour, normal and specular" : "") + ")");
    return outputs;
}

void ContentBuild::BuildFontBank(const fs::path& sourceBank) {
    const fs::path outputBank = options_.Output / "Fonts" / sourceBank.filename();
    fs::create_directories(outputBank);
    std::set<std::string> outputs;
    for (const fs::path& entry : SortedEntries(sourceBank)) {
        if (!fs::is_regular_file(entry) || LowerExtension(entry) != ".json")
            continue;
        const std::string name = entry.stem().string();
        const FontBaker::Spec spec = FontBaker::ReadSpec(entry);
        std::vector<fs::path> files;
        for (const std::string& file : FontBaker::OutputFileNames(name)) {
            outputs.insert(file);
            files.push_back(outputBank / file);
        }
        if (IsUpToDate({entry, spec.Face}, files))
            continue;
        const FontBaker::Baked font = FontBaker::Bake(name, spec);
        FontBaker::Write(font, outputBank);
        Report("font " + Relative(files[0]) + " (" + font.FaceName + " " + std::to_string(font.Size) + " px, " +
               std::to_string(font.Glyphs.size()) + " glyphs, " + std::to_string(font.Kernings.size()) +
               " kerning pairs, " + std::to_string(font.Page.Width) + "x" + std::to_string(font.Page.Height) + ")");
    }
    RemoveStaleFiles(outputBank, outputs);
}

// Copies new and changed files and removes copies whose source is gone, so the
// output holds exactly the source's files.
void ContentBuild::MirrorDirectory(const std::string& name) {
    const fs::path source = options_.Source / name, output = options_.Output / name;
    std::set<std::string> keep;
    if (name == "Config" && !options_.DevelopmentPath.empty())
        keep.insert(kGameConfigName);
    if (!fs::is_directory(source)) {
        RemoveStaleFiles(output, keep);
        return;
    }
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        const fs::path relative = fs::relative(entry.path(), source);
        if (relative.filename().string()[0] == '.' || !entry.is_regular_file())
            continue;
        keep.insert(relative.string());
        const fs::path target = output / relative;
        if (IsUpToDate({entry.path()}, {target}) && fs::file_size(target) == entry.file_size())
            continue;
        CheckCopiedSource(entry.path(), name);
        fs::create_directories(target.parent_path());
        WriteFileAtomically(target, ReadWholeFile(entry.path()));
        Report("copy " + Relative(target));
    }
    RemoveStaleFiles(output, keep);
}

void ContentBuild::WriteGameConfig() {
    const fs::path file = options_.Output / "Config" / kGameConfigName;
    const std::string text = "{\n    \"DevelopmentContentPath\": " +
                             JsonString(fs::absolute(options_.DevelopmentPath).lexically_normal().string()) + "\n}\n";
    if (fs::exists(file) && ReadWholeFile(file) == text)
        return;
    WriteFileAtomically(file, text);
    Report("config " + Relative(file));
}

void ContentBuild::RemoveStaleFiles(const fs::path& directory, const std::set<std::string>& keep) {
    std::vector<fs::path> stale;
    for (const auto& entry : fs::recursive_directory_iterator(directory))
        if (entry.is_regular_file() && !keep.count(fs::relative(entry.path(), directory).string()))
            stale.push_back(entry.path());
    for (const fs::path& file : stale) {
        fs::remove(file);
        Report("remove " + Relative(file));
    }
}

bool ContentBuild::IsUpToDate(const std::vector<fs::path>& inputs, const std::vector<fs::path>& outputs) const {
    fs::file_time_type newestInput = options_.NotBefore;
    for (const fs::path& input : inputs)
        newestInput = std::max(newestInput, fs::last_write_time(input));
    for (const fs::path& output : outputs) {
        std::error_code missing;
        const auto time = fs::last_write_time(output, missing);
        if (missing || time < newestInput)
            return false;
    }
    return true;
}

void ContentBuild::Report(const std::string& line) {
    ++built_;
    if (options_.Log)
        *options_.Log << line << '\n' << std::flush;
}

std::string ContentBuild::Relative(const fs::path& outputPath) const {
    return fs::relative(outputPath, options_.Output).string();
}
