#include "tools/sound/Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace zivi::sound {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

} // namespace

bool WriteClip(const Stereo& clip, const std::string& path, double peakDb)
{
    float peak = 0;
    for (size_t i = 0; i < clip.frames(); ++i)
        peak = std::max({peak, std::fabs(clip.left[i]), std::fabs(clip.right[i])});
    const double gain = peak > 0 ? std::pow(10.0, peakDb / 20.0) / peak : 0.0;
    const size_t silence = size_t(kTrailingSilence * kRate);
    const size_t frames = clip.frames() + silence;
    const uint32_t dataBytes = uint32_t(frames * 4);

    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 2);
    Put32(out, kRate);
    Put32(out, kRate * 4);
    Put16(out, 4);
    Put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put32(out, dataBytes);
    auto sample = [gain](float v) {
        const long s = std::lround(double(v) * gain * 32767.0);
        return uint16_t(int16_t(std::clamp(s, -32767L, 32767L)));
    };
    for (size_t i = 0; i < clip.frames(); ++i) {
        Put16(out, sample(clip.left[i]));
        Put16(out, sample(clip.right[i]));
    }
    out.resize(out.size() + silence * 4, 0);

    const std::string temp = path + ".part";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    if (std::fclose(f) != 0 || !written) {
        std::remove(temp.c_str());
        return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

} // namespace zivi::sound
