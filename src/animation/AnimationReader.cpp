#include "animation/AnimationReader.h"

#include "core/ContentError.h"
#include "core/ContentFile.h"
#include "graphics/Texture.h"

#include <boost/regex.hpp>

#include <charconv>
#include <istream>
#include <limits>
#include <sstream>

namespace {

const boost::regex kFrameLine(R"((\S+)\s+(\S+))");
const boost::regex kStep(R"((\+|-)(\d+))");
const boost::regex kNamedImage(R"((\w+)?:?(\w+))");
const boost::regex kSeconds(R"(\d+\.\d+)");
const boost::regex kTicks(R"(\d+)");

// The whole of `token` as a number, or false when it does not fit the type.
template <class T>
bool ParseWhole(const std::string& token, T& value) {
    const char* end = token.data() + token.size();
    const auto [stop, error] = std::from_chars(token.data(), end, value);
    return error == std::errc() && stop == end;
}

bool InAtlas(const Texture& texture, long long index) {
    return index >= 0 && index <= std::numeric_limits<int>::max() && texture.HasImage(int(index));
}

}  // namespace

// The state of reading one file: where it is, and what it has read so far.
class AnimationFileParse {
public:
    AnimationFileParse(const AnimationReader& reader, const std::filesystem::path& file)
        : reader_(reader), file_(file), data_(std::make_unique<AnimationData>()) {}

    std::unique_ptr<AnimationData> Run(std::istream& in) {
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            if (!ReadLine(line)) {
                return std::move(data_);
            }
        }
        if (in.bad()) {
            throw ContentError(file_, "cannot read the file");
        }
        return std::move(data_);
    }

private:
    // False once the file is finished ("Loop").
    bool ReadLine(const std::string& line) {
        if (line.size() > AnimationReader::MaxLineLength) {
            Fail("longer than " + std::to_string(AnimationReader::MaxLineLength) + " characters");
        }
        if (line.starts_with("//")) {
            return true;
        }
        if (line.starts_with("Loop")) {
            EndLoop();
            return false;
        }
        boost::smatch tokens;
        if (boost::regex_match(line, tokens, kFrameLine)) {
            AddFrame(tokens[1], tokens[2]);
        }
        return true;
    }

    void EndLoop() {
        // Playback would search for a frame to show for ever.
        if (!(data_->Duration > 0.0f)) {
            Fail("a looping animation must last longer than no time");
        }
        data_->Loop = true;
    }

    void AddFrame(const std::string& image, const std::string& duration) {
        AnimationFrame frame;
        frame.StartTime = data_->Duration;
        ResolveImage(image, frame);
        const float seconds = Seconds(duration);
        data_->Frames.push_back(frame);
        data_->Duration += seconds;
    }

    void ResolveImage(const std::string& token, AnimationFrame& frame) {
        boost::smatch parts;
        if (boost::regex_match(token, parts, kStep)) {
            Step(token, parts[1] == "+", parts[2], frame);
        } else if (boost::regex_match(token, parts, kNamedImage)) {
            Named(parts[1], parts[2], frame);
        }
    }

    void Step(const std::string& token, bool forward, const std::string& count, AnimationFrame& frame) {
        if (data_->Frames.empty() || data_->Frames.back().Tex == nullptr) {
            Fail("a step \"" + token + "\" needs a frame with an image before it");
        }
        const AnimationFrame& previous = data_->Frames.back();
        frame.Tex = previous.Tex;
        frame.ImageIndex = -1;
        long long steps = 0;
        if (previous.Tex->HasImage(previous.ImageIndex) && ParseWhole(count, steps)) {
            const long long index = previous.ImageIndex + (forward ? steps : -steps);
            frame.ImageIndex = InAtlas(*frame.Tex, index) ? int(index) : -1;
        }
        if (frame.ImageIndex < 0) {
            Warn("\"" + token + "\" steps outside the images of \"" + frame.Tex->Name + "\"");
        }
    }

    void Named(const std::string& textureName, const std::string& imageName, AnimationFrame& frame) {
        frame.Tex = reader_.textures_(textureName);
        if (frame.Tex == nullptr) {
            Fail("no texture \"" + textureName + "\" (write Texture:Image)");
        }
        frame.ImageIndex = frame.Tex->FindImage(imageName);
        if (!frame.Tex->HasImage(frame.ImageIndex)) {
            Warn("texture \"" + textureName + "\" has no image \"" + imageName + "\"");
        }
    }

    float Seconds(const std::string& token) const {
        float seconds = 0.0f;
        int ticks = 0;
        if (boost::regex_match(token, kSeconds) && ParseWhole(token, seconds)) {
            return seconds;
        }
        if (boost::regex_match(token, kTicks) && ParseWhole(token, ticks)) {
            return float(ticks) / reader_.frameRate_;
        }
        Fail("duration \"" + token + "\" is neither ticks (5) nor seconds (0.25)");
    }

    [[noreturn]] void Fail(const std::string& what) const { throw ContentError(file_, lineNumber_, what); }

    void Warn(const std::string& what) const {
        if (reader_.warn_) {
            reader_.warn_(file_, lineNumber_, what);
        }
    }

    const AnimationReader& reader_;
    const std::filesystem::path& file_;
    std::unique_ptr<AnimationData> data_;
    int lineNumber_ = 0;
};

AnimationReader::AnimationReader(TextureLookup textures, int frameRate, WarningSink warn)
    : textures_(std::move(textures)), frameRate_(frameRate > 0 ? float(frameRate) : 60.0f), warn_(std::move(warn)) {}

std::unique_ptr<AnimationData> AnimationReader::ReadFile(const std::filesystem::path& file) const {
    std::istringstream in(ContentFile::ReadBytes(file));
    return Read(in, file);
}

std::unique_ptr<AnimationData> AnimationReader::Read(std::istream& in, const std::filesystem::path& file) const {
    return AnimationFileParse(*this, file).Run(in);
}
