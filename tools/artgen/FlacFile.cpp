#include "FlacFile.h"

#include "core/ContentError.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <string>

void WriteFlac(const std::filesystem::path& path, const std::vector<float>& samples, int channels, int rate) {
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::path temporary = path;
    temporary += ".part";
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(temporary.c_str(), SFM_WRITE, &info);
    if (!file)
        throw ContentError(path, std::string("cannot write sound (") + sf_strerror(nullptr) + ")");
    std::vector<short> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        pcm[i] = short(std::lround(std::clamp(samples[i], -1.0f, 1.0f) * 32767.0f));
    const sf_count_t written = sf_write_short(file, pcm.data(), sf_count_t(pcm.size()));
    sf_close(file);
    if (written != sf_count_t(pcm.size())) {
        std::filesystem::remove(temporary);
        throw ContentError(path, "cannot write all samples");
    }
    std::filesystem::rename(temporary, path);
}
