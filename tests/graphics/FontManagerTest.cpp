#include "core/ContentError.h"
#include "core/ContentLog.h"
#include "core/SubProperty.h"
#include "graphics/BitmapFont.h"
#include "graphics/FontManager.h"
#include "graphics/TextComponent.h"
#include "support/TestAtlas.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A ".fnt" file with a 64 x 32 page; `common` and `chars` replace those elements.
std::string Fnt(const std::string& common = R"(<common lineHeight="16" scaleW="64" scaleH="32"/>)",
                const std::string& chars = R"(<char id="65" x="8" y="4" width="6" height="10" xoffset="1" yoffset="2" xadvance="7"/>)") {
    return "<?xml version=\"1.0\"?>\n<font>" + common + R"(<pages><page id="0" file="Page.sheet"/></pages><chars>)" +
           chars + R"(<other/></chars><kernings><kerning first="65" second="86" amount="-2"/></kernings></font>)";
}

class FontManagerTest : public ::testing::Test {
protected:
    FontManagerTest() {
        ContentLog::SetSink([this](ContentLog::Level, const std::string& text) { warnings.push_back(text); });
    }
    ~FontManagerTest() override { ContentLog::SetSink(nullptr); }

    void WriteFont(const std::string& bank, const std::string& file, const std::string& fnt, bool page = true) {
        WriteText(scratch.Path / bank / file, fnt);
        if (page) {
            WriteSheet(scratch.Path / bank / "Page.sheet", SolidImage(64, 32, 255, 255, 255));
        }
    }

    ScratchDirectory scratch;
    std::unique_ptr<FakeUploader> ownedUploader = std::make_unique<FakeUploader>();
    FakeUploader& uploader = *ownedUploader;
    FontManager fonts{scratch.Path, std::move(ownedUploader)};
    std::vector<std::string> warnings;
};

TEST_F(FontManagerTest, ReadsNormalisedGlyphsKerningsAndThePageUnderTheStem) {
    WriteFont("Main", "Small.FNT", Fnt());
    WriteText(scratch.Path / "Main" / "Notes.txt", "not a font");
    fonts.LoadFontBank("Main");
    const BitmapFont* font = fonts.GetFont("Small");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Name, "Small");
    EXPECT_FLOAT_EQ(font->LineHeight, 16.0f);
    EXPECT_FLOAT_EQ(font->NormalizedLineHeight, 0.5f);
    EXPECT_FLOAT_EQ(font->PageAspect, 2.0f);
    ASSERT_EQ(font->Glyphs.size(), 1u);
    const Glyph& a = font->GlyphFor('A');
    EXPECT_FLOAT_EQ(a.X, 8 / 64.0f);
    EXPECT_FLOAT_EQ(a.Y, 4 / 32.0f);
    EXPECT_FLOAT_EQ(a.Width, 6 / 64.0f);
    EXPECT_FLOAT_EQ(a.Height, 10 / 32.0f);
    EXPECT_FLOAT_EQ(a.XOffset, 1 / 64.0f);
    EXPECT_FLOAT_EQ(a.YOffset, 2 / 32.0f);
    EXPECT_FLOAT_EQ(a.XAdvance, 7 / 64.0f);
    EXPECT_FLOAT_EQ(FontManager::GetKerning(*font, 'A', 'V'), -2 / 64.0f);
    EXPECT_FLOAT_EQ(FontManager::GetKerning(*font, 'V', 'A'), 0.0f);
    EXPECT_TRUE(font->CanDraw());
    EXPECT_EQ(uploader.Live.size(), 1u);
    EXPECT_TRUE(warnings.empty());
    fonts.UnloadFontBank("Main");
    EXPECT_EQ(fonts.GetFont("Small"), nullptr);
    EXPECT_TRUE(uploader.Live.empty()) << "the page goes with its font";
}

TEST_F(FontManagerTest, FontPropertyIsSavedAsTheNameAndFoundAcrossBanksInNameOrder) {
    WriteFont("B", "Label.fnt", Fnt());
    WriteFont("A", "Label.fnt", Fnt());
    fonts.LoadFontBank("B");
    fonts.LoadFontBank("A");
    TextComponent text;
    SubProperty font = text.FindProperty("Font")->GetSubProperty("Font", 0);
    font.FromText("Label");
    EXPECT_EQ(text.Font, fonts.Banks().at("A").at("Label").get());
    EXPECT_EQ(font.ToText(), "Label");
    font.FromText("Unknown");
    EXPECT_EQ(text.Font, fonts.Banks().at("A").at("Label").get()) << "an unknown name changes nothing";
}

TEST_F(FontManagerTest, UnusableFilesStopTheBankWithTheirPathAndProblem) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Fnt(R"(<common lineHeight="16" scaleW="0" scaleH="32"/>)"), "\"scaleW\" must be a positive number"},
        {Fnt(R"(<common lineHeight="16" scaleW="64" scaleH="0"/>)"), "\"scaleH\" must be a positive number"},
        {Fnt(R"(<common lineHeight="0" scaleW="64" scaleH="32"/>)"), "\"lineHeight\" must be a positive number"},
        {Fnt(R"(<common lineHeight="16" scaleW="64"/>)"), "No such node (scaleH)"},
        {Fnt(R"(<common lineHeight="16" scaleW="64" scaleH="32"/>)", R"(<char id="65" x="1"/>)"), "No such node (y)"},
        {Fnt(R"(<common lineHeight="16" scaleW="wide" scaleH="32"/>)"), "\"scaleW\" is not a number"},
        {"<font><common", "line "},
    };
    for (const auto& [fnt, problem] : cases) {
        ScratchDirectory bank;
        WriteText(bank.Path / "Main" / "Bad.fnt", fnt);
        FontManager manager(bank.Path, std::make_unique<FakeUploader>());
        try {
            manager.LoadFontBank("Main");
            ADD_FAILURE() << "accepted: " << fnt;
        } catch (const ContentError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind((bank.Path / "Main" / "Bad.fnt").string() + ": ", 0), 0u) << message;
            EXPECT_NE(message.find(problem), std::string::npos) << message;
        }
        EXPECT_TRUE(manager.Banks().empty());
    }
}

TEST_F(FontManagerTest, MissingPageWarnsNamingTheFontWhichThenDrawsNothing) {
    WriteFont("Main", "Pageless.fnt", Fnt(), false);
    fonts.LoadFontBank("Main");
    const BitmapFont* font = fonts.GetFont("Pageless");
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(font->CanDraw());
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.back().find("font Pageless"), std::string::npos) << warnings.back();
}

}  // namespace
