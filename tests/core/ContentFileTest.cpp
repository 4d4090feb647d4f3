#include "core/ContentFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

class ContentFileTest : public ::testing::Test {
protected:
    ContentFileTest() {
        dir = fs::temp_directory_path() / ("vellimor-contentfile-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~ContentFileTest() override { fs::remove_all(dir); }

    fs::path Write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return dir / name;
    }

    // The message of the ContentError `step` throws, checked to start with "<file>: ".
    static std::string ErrorOf(const fs::path& file, const std::function<void()>& step) {
        try {
            step();
        } catch (const ContentError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind(file.string() + ": ", 0), 0u) << message;
            return message.substr(std::min(message.size(), file.string().size() + 2));
        }
        ADD_FAILURE() << "no ContentError for " << file;
        return "";
    }

    fs::path dir;
};

TEST_F(ContentFileTest, UnreadableFilesAreContentErrorsWithTheirLine) {
    const fs::path missing = dir / "Missing.json";
    EXPECT_EQ(ErrorOf(missing, [&] { ContentFile::ReadJson(missing); }), "cannot open file");
    EXPECT_EQ(ErrorOf(missing, [&] { ContentFile::ReadXml(missing); }), "cannot open file");

    const fs::path json = Write("Broken.json", "{\n  \"A\": 1,\n  \"B\": \n");
    EXPECT_EQ(ErrorOf(json, [&] { ContentFile::ReadJson(json); }).rfind("line 4: ", 0), 0u);

    const fs::path xml = Write("Broken.xml", "<TextureAtlas>\n<sprite n=a/>\n</TextureAtlas>\n");
    EXPECT_EQ(ErrorOf(xml, [&] { ContentFile::ReadXml(xml); }), "line 2: expected ' or \"");
}

// Nesting is counted before the recursive parsers run: at the limit a file loads, one
// level more is refused on the line where it happens, and a hundred thousand levels
// (beyond any stack) are refused the same way. Brackets in strings do not count.
TEST_F(ContentFileTest, NestingBeyondTheLimitIsRefusedBeforeParsing) {
    const int limit = ContentFile::MaxNesting;
    auto json = [](int depth) {
        return std::string(depth, '[') + "\"[{\\\"\"" + std::string(depth, ']');
    };
    auto xml = [](int depth) {
        std::string text = "<?xml version=\"1.0\"?>\n<!-- <a><a> -->\n";
        for (int i = 0; i < depth; ++i) text += "<a k=\"/>\">";
        text += "<![CDATA[<a>]]><b/>";
        for (int i = 0; i < depth; ++i) text += "</a>";
        return text;
    };
    EXPECT_NO_THROW(ContentFile::ReadJson(Write("Limit.json", json(limit))));
    EXPECT_NO_THROW(ContentFile::ReadXml(Write("Limit.xml", xml(limit - 1))));  // <b/> is one deeper

    const std::string refused = "nested deeper than " + std::to_string(limit) + " levels";
    const fs::path deepJson = Write("Deep.json", "{\n\"A\":" + json(limit));
    EXPECT_EQ(ErrorOf(deepJson, [&] { ContentFile::ReadJson(deepJson); }), "line 2: " + refused);
    const fs::path deepXml = Write("Deep.xml", xml(limit));
    EXPECT_EQ(ErrorOf(deepXml, [&] { ContentFile::ReadXml(deepXml); }), "line 3: " + refused);

    const fs::path hugeJson = Write("Huge.json", json(100000));
    EXPECT_EQ(ErrorOf(hugeJson, [&] { ContentFile::ReadJson(hugeJson); }), "line 1: " + refused);
    const fs::path hugeXml = Write("Huge.xml", xml(100000));
    EXPECT_EQ(ErrorOf(hugeXml, [&] { ContentFile::ReadXml(hugeXml); }), "line 3: " + refused);
}

TEST_F(ContentFileTest, ADirectoryOrAnUnreadableFileIsNamed) {
    fs::create_directories(dir / "Settings.json");
    EXPECT_EQ(ErrorOf(dir / "Settings.json", [&] { ContentFile::ReadJson(dir / "Settings.json"); }),
              "cannot read file (Is a directory)");
    if (::geteuid() != 0) {  // root reads whatever the permissions say
        const fs::path locked = Write("Locked.xml", "<a/>");
        fs::permissions(locked, fs::perms::none);
        EXPECT_EQ(ErrorOf(locked, [&] { ContentFile::ReadXml(locked); }), "cannot open file");
    }
}

TEST_F(ContentFileTest, RequiredMembersAndValuesNameWhatIsWrong) {
    const fs::path path = Write("Loop.json", R"({"Start": "12", "End": "2.5", "Inner": {"Flag": "yes"}})");
    const ContentFile file = ContentFile::ReadJson(path);
    EXPECT_EQ(file.Get<long long>("Start"), 12);
    EXPECT_EQ(file.Get<std::string>(file.Child("Inner"), "Flag"), "yes");

    EXPECT_EQ(ErrorOf(path, [&] { file.Child("Missing"); }), "No such node (Missing)");
    EXPECT_EQ(ErrorOf(path, [&] { file.Get<int>("Inner.Gone"); }), "No such node (Inner.Gone)");
    EXPECT_EQ(ErrorOf(path, [&] { file.Get<int>("End"); }), "\"End\" is not an integer: \"2.5\"");
    EXPECT_EQ(ErrorOf(path, [&] { file.Get<bool>(file.Child("Inner"), "Flag"); }),
              "\"Flag\" is not true or false: \"yes\"");
}

TEST_F(ContentFileTest, AReaderOfPlainTreesFailsAsThisFile) {
    const fs::path path = Write("Prefab.json", R"({"Components": ""})");
    const ContentFile file = ContentFile::ReadJson(path);
    EXPECT_EQ(ErrorOf(path, [&] { file.Reading([&] { file.Root().get_child("AutoCreate"); }); }),
              "No such node (AutoCreate)");
    EXPECT_EQ(ErrorOf(path, [&] { file.Reading([] { throw std::runtime_error("unknown component type 'Foo'"); }); }),
              "unknown component type 'Foo'");
    // An error that already names a file is not named twice.
    EXPECT_EQ(ErrorOf(path, [&] { file.Reading([&] { file.Fail("bad"); }); }), "bad");
}

}  // namespace
