#pragma once

#include "audio/MusicMetadata.h"

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

class MusicStream;

// Knows the tracks of "Content/Music" (with their optional loop files) and plays one
// at a time, streamed through a small queue of OpenAL buffers that the per-frame
// update refills. Silent (but still scanning) when there is no audio device.
class MusicManager {
public:
    // Scans the directory. A loop file that is not valid JSON, lacks a member or
    // holds a non-integer throws a ContentError "<path>: <what>"; loop points outside
    // the track are a log warning and the whole track loops.
    MusicManager(bool audible, std::filesystem::path musicDirectory = "Content/Music");
    ~MusicManager();
    MusicManager(const MusicManager&) = delete;
    MusicManager& operator=(const MusicManager&) = delete;

    // Replaces the current track at once (the same name restarts it); an unknown
    // name leaves the current music playing.
    void PlayMusic(const std::string& name);
    // Refills the buffers the device has finished with.
    void Update();

    // The music's gain (the player's music level), kept across tracks.
    void SetGain(float gain);

    const std::map<std::string, MusicMetadata>& Tracks() const { return tracks_; }
    bool IsPlaying() const;

private:
    static constexpr int kBufferCount = 4;
    static constexpr int kFramesPerBuffer = 4096;

    void Scan(const std::filesystem::path& directory);
    void StopCurrent();
    bool Fill(unsigned buffer);

    bool audible_;
    std::map<std::string, MusicMetadata> tracks_;
    std::unique_ptr<MusicStream> stream_;
    unsigned source_ = 0;
    std::array<unsigned, kBufferCount> buffers_{};
    std::vector<short> scratch_;
};
