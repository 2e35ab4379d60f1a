// The wave files the build synthesises for the sound cues: one for every cue, each a playable 16-bit PCM
// file short enough not to hold the game up.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "console/sound_cues.h"

namespace wm {
namespace {

namespace fs = std::filesystem;

struct WaveInfo {
    std::string problem; // empty when the file is a valid PCM wave file
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    double seconds = 0;
    int peak = 0; // largest absolute sample
};

std::uint32_t little(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

/// Reads a RIFF wave file chunk by chunk, as a player would.
WaveInfo readWave(const std::string& bytes) {
    WaveInfo info;
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return {"not a RIFF WAVE file"};
    if (little(bytes, 4, 4) + 8 != bytes.size()) return {"the RIFF size does not match the file"};
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) return {"chunk " + id + " runs past the end"};
        if (id == "fmt ") {
            if (size < 16) return {"short fmt chunk"};
            if (little(bytes, body, 2) != 1) return {"not PCM"};
            info.channels = static_cast<int>(little(bytes, body + 2, 2));
            info.sampleRate = static_cast<int>(little(bytes, body + 4, 4));
            info.bitsPerSample = static_cast<int>(little(bytes, body + 14, 2));
            const std::uint32_t blockAlign = little(bytes, body + 12, 2);
            if (blockAlign != static_cast<std::uint32_t>(info.channels * info.bitsPerSample / 8))
                return {"block alignment does not match the format"};
            if (little(bytes, body + 8, 4) != blockAlign * static_cast<std::uint32_t>(info.sampleRate))
                return {"byte rate does not match the format"};
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || info.bitsPerSample != 16 || info.channels < 1 || info.sampleRate <= 0)
                return {"data before a 16-bit fmt chunk"};
            const std::uint32_t frameBytes = 2 * static_cast<std::uint32_t>(info.channels);
            if (size % frameBytes != 0) return {"data is not whole frames"};
            info.seconds = static_cast<double>(size / frameBytes) / info.sampleRate;
            for (std::uint32_t i = 0; i < size; i += 2) {
                const auto sample = static_cast<std::int16_t>(little(bytes, body + i, 2));
                info.peak =
                    std::max(info.peak, sample < 0 ? -static_cast<int>(sample) : static_cast<int>(sample));
            }
            return info;
        }
        at = body + size + (size & 1);
    }
    return {"no data chunk"};
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(SoundWaveFiles, EveryCueHasAValidPcmFileBesideTheProgramLastingUnderTwoSeconds) {
    std::set<std::string> contents;
    for (const SoundCue& cue : SoundCues) {
        const fs::path path = fs::path(WENDMOOR_BUILD_DIR) / cue.file;
        SCOPED_TRACE(path.string());
        ASSERT_TRUE(fs::is_regular_file(path));
        const std::string bytes = readFile(path);
        const WaveInfo wave = readWave(bytes);
        ASSERT_EQ(wave.problem, "");
        EXPECT_EQ(wave.bitsPerSample, 16);
        EXPECT_GE(wave.seconds, 0.1);
        EXPECT_LE(wave.seconds, 2.0);
        // Audible, and not driven into the rails.
        EXPECT_GT(wave.peak, 8000);
        EXPECT_LT(wave.peak, 32767);
        contents.insert(bytes);
    }
    EXPECT_EQ(contents.size(), SoundCues.size()) << "two cues sound the same";
}

TEST(SoundWaveFiles, TheReaderRefusesWhatIsNotAPcmWave) {
    const std::string good = readFile(fs::path(WENDMOOR_BUILD_DIR) / SoundCues[0].file);
    ASSERT_EQ(readWave(good).problem, "");
    EXPECT_NE(readWave(good.substr(0, good.size() - 2)).problem, ""); // cut short
    std::string compressed = good;
    compressed[20] = 3; // IEEE float, not PCM
    EXPECT_EQ(readWave(compressed).problem, "not PCM");
}

} // namespace
} // namespace wm
