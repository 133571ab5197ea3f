// Writing sound clips as 44.1 kHz, 16-bit stereo PCM WAV files.
#pragma once

#include <string>
#include <vector>

namespace zivi::sound {

constexpr int kRate = 44100;
constexpr double kTrailingSilence = 0.2; // seconds of digital silence after every clip

struct Stereo {
    std::vector<float> left, right;
    size_t frames() const { return left.size(); }
    void resize(size_t n)
    {
        left.resize(n, 0.f);
        right.resize(n, 0.f);
    }
};

// Scales the clip to the given peak (dBFS), converts it to 16 bit, appends the trailing silence
// and writes it. False when the file cannot be written.
bool WriteClip(const Stereo& clip, const std::string& path, double peakDb = -1.0);

} // namespace zivi::sound
