// Writes the game's sixteen sound cues as 16-bit PCM wave files into the folder given on the command line.
// Every sound is made here from sine partials, square waves and noise, so the repository holds no
// recorded audio and every build makes the same files.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "console/sound_cues.h"

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

/// Mono samples in -1..1 before the final level is set.
using Samples = std::vector<double>;

/// One partial of a struck or blown sound: a multiple of the note's frequency, its loudness and how fast
/// it dies away (per second; 0 for a steady tone).
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

void ensureLength(Samples& out, double seconds) {
    const auto needed = static_cast<std::size_t>(seconds * SampleRate) + 1;
    if (out.size() < needed) out.resize(needed, 0.0);
}

/// A deterministic noise source, so that every build writes the same bytes.
class Noise {
  public:
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

  private:
    std::uint32_t state_ = 0x5EED1958u;
};

/// A struck note: the partials start together at `start` and ring for `length` seconds.
void strike(Samples& out, double start, double length, double frequency, double level,
            std::initializer_list<Partial> partials) {
    ensureLength(out, start + length);
    const auto first = static_cast<std::size_t>(start * SampleRate);
    const auto count = static_cast<std::size_t>(length * SampleRate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double attack = std::min(1.0, t / 0.002); // no click at the onset
        const double fadeOut = std::min(1.0, (length - t) / 0.02);
        double value = 0.0;
        for (const Partial& p : partials)
            value += p.amplitude * std::exp(-p.decay * t) * std::sin(2 * Pi * frequency * p.ratio * t);
        out[first + i] += level * attack * fadeOut * value;
    }
}

/// A steady blown tone (whistle or hooter) with a breathy noise part, a short rise in pitch as the steam
/// comes on, and soft ends.
void blow(Samples& out, double start, double length, double frequency, double level,
          std::initializer_list<Partial> partials, double breath, Noise& noise) {
    ensureLength(out, start + length);
    const auto first = static_cast<std::size_t>(start * SampleRate);
    const auto count = static_cast<std::size_t>(length * SampleRate);
    double phase = 0.0;
    double breathState = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double envelope = std::min({1.0, t / 0.06, (length - t) / 0.15});
        const double pitch = frequency * (1.0 - 0.06 * std::exp(-t / 0.05));
        phase += 2 * Pi * pitch / SampleRate;
        double value = 0.0;
        for (const Partial& p : partials) value += p.amplitude * std::sin(phase * p.ratio);
        breathState += 0.25 * (noise.next() - breathState);
        out[first + i] += level * envelope * (value + breath * breathState);
    }
}

/// An electronic beep: a square wave softened by its first three odd harmonics only.
void beep(Samples& out, double start, double length, double frequency, double level) {
    ensureLength(out, start + length);
    const auto first = static_cast<std::size_t>(start * SampleRate);
    const auto count = static_cast<std::size_t>(length * SampleRate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double envelope = std::min({1.0, t / 0.005, (length - t) / 0.01});
        const double w = 2 * Pi * frequency * t;
        out[first + i] += level * envelope * (std::sin(w) + std::sin(3 * w) / 3 + std::sin(5 * w) / 5);
    }
}

/// A burst of noise that dies away fast: the hit of metal on metal.
void knock(Samples& out, double start, double length, double decay, double level, Noise& noise) {
    ensureLength(out, start + length);
    const auto first = static_cast<std::size_t>(start * SampleRate);
    const auto count = static_cast<std::size_t>(length * SampleRate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        out[first + i] += level * std::exp(-decay * t) * noise.next();
    }
}

// --- the sounds ---

// A small signal-box bell: inharmonic partials that ring on after each stroke.
constexpr std::initializer_list<Partial> BlockBell = {
    {1.0, 1.0, 4.0}, {2.32, 0.5, 7.0}, {4.25, 0.25, 12.0}, {6.63, 0.12, 20.0}};
constexpr double BellNote = 1180.0;
constexpr double BellGap = 0.2;    // between strokes of one group
constexpr double BellPause = 0.45; // between groups

Samples blockBell(std::initializer_list<int> groups) {
    Samples out;
    double at = 0.0;
    for (int strokes : groups) {
        for (int i = 0; i < strokes; ++i) {
            strike(out, at, 0.8, BellNote, 0.6, BlockBell);
            at += BellGap;
        }
        at += BellPause - BellGap;
    }
    return out;
}

Samples bonusChime() {
    Samples out;
    const double notes[] = {1047.0, 1319.0, 1568.0, 2093.0}; // C E G C, rising
    for (int i = 0; i < 4; ++i)
        strike(out, 0.09 * i, 0.45, notes[i], 0.5, {{1.0, 1.0, 6.0}, {2.0, 0.3, 10.0}, {3.0, 0.1, 16.0}});
    return out;
}

Samples errorBuzz() {
    Samples out;
    ensureLength(out, 0.35);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double envelope = std::min({1.0, t / 0.005, (0.35 - t) / 0.02});
        // Two sawtooths a few hertz apart grind against each other; clipping makes them harsher still.
        const double saw = std::fmod(120.0 * t, 1.0) * 2 - 1 + std::fmod(127.0 * t, 1.0) * 2 - 1;
        out[i] = envelope * std::clamp(1.5 * saw, -1.0, 1.0);
    }
    return out;
}

Samples notifyTone() {
    Samples out;
    strike(out, 0.0, 0.35, 740.0, 1.0, {{1.0, 1.0, 8.0}, {2.0, 0.2, 14.0}});
    return out;
}

Samples messageDingDong() {
    Samples out;
    strike(out, 0.0, 0.5, 880.0, 0.6, {{1.0, 1.0, 5.0}, {2.0, 0.25, 9.0}});
    strike(out, 0.3, 0.6, 698.0, 0.6, {{1.0, 1.0, 5.0}, {2.0, 0.25, 9.0}});
    return out;
}

Samples gwrWhistle() {
    Noise noise;
    Samples out;
    blow(out, 0.0, 1.1, 1320.0, 0.5, {{1.0, 1.0, 0}, {2.0, 0.3, 0}, {3.0, 0.08, 0}}, 0.35, noise);
    return out;
}

Samples lmsHooter() {
    Noise noise;
    Samples out;
    blow(out, 0.0, 1.3, 520.0, 0.4, {{1.0, 1.0, 0}, {2.0, 0.6, 0}, {3.0, 0.35, 0}, {4.0, 0.15, 0}}, 0.2,
         noise);
    return out;
}

Samples chimeWhistle() {
    Noise noise;
    Samples out;
    for (double note : {600.0, 755.0, 900.0}) // three pipes blown together
        blow(out, 0.0, 1.3, note, 0.3, {{1.0, 1.0, 0}, {2.0, 0.2, 0}}, 0.15, noise);
    return out;
}

Samples blockTapper() {
    Noise noise;
    Samples out;
    for (double at : {0.0, 0.15, 0.3}) {
        knock(out, at, 0.02, 300.0, 0.8, noise);
        strike(out, at, 0.12, 2200.0, 0.5, {{1.0, 1.0, 45.0}, {2.7, 0.4, 80.0}});
    }
    return out;
}

Samples leverClank() {
    Noise noise;
    Samples out;
    // The catch handle lets go, then the heavy lever lands in its frame.
    knock(out, 0.0, 0.03, 250.0, 0.4, noise);
    strike(out, 0.0, 0.1, 1800.0, 0.25, {{1.0, 1.0, 60.0}});
    knock(out, 0.35, 0.08, 60.0, 0.9, noise);
    strike(out, 0.35, 0.55, 420.0, 0.7,
           {{0.21, 0.8, 30.0}, {1.0, 1.0, 9.0}, {2.69, 0.6, 14.0}, {4.45, 0.35, 20.0}});
    return out;
}

// Alert tones of growing urgency: one soft beep, two brighter ones, then a rapid two-tone warble.
Samples alertNormal() {
    Samples out;
    beep(out, 0.0, 0.3, 660.0, 0.5);
    return out;
}

Samples alertPassenger() {
    Samples out;
    beep(out, 0.0, 0.12, 880.0, 0.7);
    beep(out, 0.2, 0.12, 880.0, 0.7);
    return out;
}

Samples alertUrgent() {
    Samples out;
    for (int i = 0; i < 6; ++i) beep(out, 0.11 * i, 0.08, i % 2 == 0 ? 1320.0 : 990.0, 0.9);
    return out;
}

/// One row per cue, by cue number: how to make it and how loud it ends up (peak, full scale = 1).
struct CueSound {
    int cue;
    std::function<Samples()> make;
    double peak;
};

const std::vector<CueSound>& cueSounds() {
    static const std::vector<CueSound> table = {
        /*  0 */ {0, bonusChime, 0.8},
        /*  1 */ {1, errorBuzz, 0.7},
        /*  2 */ {2, notifyTone, 0.45},
        /*  3 */ {3, messageDingDong, 0.6},
        /*  4 */ {4, [] { return blockBell({1}); }, 0.8},
        /*  5 */ {5, [] { return blockBell({2}); }, 0.8},
        /*  6 */
        {6,
         [] {
             return blockBell({3, 1});
         },
         0.8},
        /*  7 */ {7, [] { return blockBell({4}); }, 0.8},
        /*  8 */ {8, gwrWhistle, 0.8},
        /*  9 */ {9, lmsHooter, 0.8},
        /* 10 */ {10, chimeWhistle, 0.8},
        /* 11 */ {11, blockTapper, 0.8},
        /* 12 */ {12, leverClank, 0.9},
        /* 13 */ {13, alertNormal, 0.5},
        /* 14 */ {14, alertPassenger, 0.7},
        /* 15 */ {15, alertUrgent, 0.9},
    };
    return table;
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

/// Scales to the wanted peak and writes a canonical 44-byte-header PCM wave file; false when it fails.
bool writeWave(const std::string& path, const Samples& samples, double peak) {
    double loudest = 0.0;
    for (double s : samples) loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0 ? peak / loudest : 0.0;

    const std::string partial = path + ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);             // fmt chunk size
    putLittleEndian(out, 1, 2);              // PCM
    putLittleEndian(out, 1, 2);              // mono
    putLittleEndian(out, SampleRate, 4);     // samples a second
    putLittleEndian(out, SampleRate * 2, 4); // bytes a second
    putLittleEndian(out, 2, 2);              // bytes a frame
    putLittleEndian(out, 16, 2);             // bits a sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767));
        putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
    }
    out.close();
    if (!out) return false;
    // Renamed only when whole, so an interrupted build leaves no short file that looks up to date.
    return std::rename(partial.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const auto& sounds = cueSounds();
    for (std::size_t i = 0; i < wm::SoundCues.size(); ++i) {
        if (i >= sounds.size() || sounds[i].cue != static_cast<int>(i)) {
            std::fprintf(stderr, "synth: no sound for cue %zu\n", i);
            return 1;
        }
    }
    for (const CueSound& sound : sounds) {
        const std::string path =
            folder + std::string(wm::SoundCues[static_cast<std::size_t>(sound.cue)].file);
        if (!writeWave(path, sound.make(), sound.peak)) {
            std::fprintf(stderr, "synth: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
