// libFuzzer target over the ".fnt" reader and the text layout.
//
// The input is a ".fnt" file (a page "Page.sheet" lies beside it). The reader either
// accepts it or throws ContentError; a font it accepts lays out a few texts, and the
// input itself as a text, in boxes of several widths. Every wrapped line must fit its
// box unless it holds a single character, and no character but spaces may be lost.
#include "core/ContentError.h"
#include "core/ContentLog.h"
#include "core/DrawPlacement.h"
#include "graphics/BitmapFont.h"
#include "graphics/FontReader.h"
#include "graphics/Image.h"
#include "graphics/SpriteBatch.h"
#include "graphics/TextLayout.h"
#include "graphics/TextureUploader.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class NoGpuUploader : public TextureUploader {
public:
    unsigned Upload(const Image&) override { return 1; }
    void Release(unsigned) override {}
};

// A directory of its own with the page image; made once.
const fs::path& Directory() {
    static const fs::path directory = [] {
        ContentLog::SetSink([](ContentLog::Level, const std::string&) {});
        std::string pattern = (fs::temp_directory_path() / "vellimor-fuzz-font-XXXXXX").string();
        const fs::path made = mkdtemp(pattern.data());
        Image page;
        page.Width = page.Height = 2;
        page.Rgba.assign(16, 255);
        WritePng((made / "Page.sheet").string(), page);
        return made;
    }();
    return directory;
}

[[noreturn]] void Fail(const char* what, const std::string& text, float box) {
    std::fprintf(stderr, "%s: text \"%s\", box width %g\n", what, text.c_str(), static_cast<double>(box));
    std::abort();
}

std::string WithoutSpacesAndNewlines(const std::string& text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return c != ' ' && c != '\n'; });
    return kept;
}

void CheckLayout(const BitmapFont& font, const std::string& text, float boxWidth) {
    TextStyle style;
    style.BoxSize = {boxWidth, 0.0f};
    const TextLines lines = TextLayout::BreakLines(font, text, style);
    std::string joined;
    for (std::size_t k = 0; k < lines.Lines.size(); ++k) {
        if (lines.Lines[k].size() > 1 && boxWidth > 0.0f && lines.Widths[k] > boxWidth) {
            Fail("a line of several characters is wider than its box", text, boxWidth);
        }
        joined += lines.Lines[k];
    }
    if (WithoutSpacesAndNewlines(joined) != WithoutSpacesAndNewlines(text)) {
        Fail("characters were lost", text, boxWidth);
    }
    SpriteBatch batch;
    batch.FlipY = boxWidth > 1.0f;
    TextLayout::Place(font, lines, style, batch, DrawPlacement{});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const fs::path file = Directory() / "Fuzz.fnt";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << input;
    NoGpuUploader uploader;
    BitmapFont font;
    try {
        FontReader::ReadFont(font, file, uploader);
    } catch (const ContentError&) {
        return 0;
    }
    for (const float box : {0.0f, 0.5f, 3.0f, 40.0f}) {
        for (const std::string& text : {std::string("Hello world"), std::string("A  long\n\nwordy text "),
                                        input.substr(0, 64)}) {
            CheckLayout(font, text, box);
        }
    }
    return 0;
}
