// zivi-sound: synthesizes the viewer's sound effects (card taps, the shuffle, bombs, jingles).
//
//   zivi-sound DIR     writes BOMB.wav ... WINNER.wav into DIR
#include "tools/sound/Wav.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

using namespace zivi::sound;

namespace {

constexpr double kPi = 3.14159265358979323846;

class Random {
public:
    explicit Random(uint32_t seed) : s_(seed ? seed : 1) {}
    double next() // -1 .. 1
    {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return double(s_ % 200001) / 100000.0 - 1.0;
    }

private:
    uint32_t s_;
};

// RBJ biquad.
class Biquad {
public:
    static Biquad LowPass(double f, double q = 0.707) { return Make(f, q, 0); }
    static Biquad HighPass(double f, double q = 0.707) { return Make(f, q, 1); }
    static Biquad BandPass(double f, double q = 1.0) { return Make(f, q, 2); }
    double process(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
    void retune(double f, double q, int type) { *this = Make(f, q, type, x1, x2, y1, y2); }

private:
    static Biquad Make(double f, double q, int type, double x1 = 0, double x2 = 0, double y1 = 0, double y2 = 0)
    {
        Biquad b;
        const double w = 2 * kPi * std::min(f, kRate * 0.45) / kRate;
        const double alpha = std::sin(w) / (2 * q), c = std::cos(w);
        double b0, b1, b2;
        if (type == 0) {
            b0 = (1 - c) / 2;
            b1 = 1 - c;
            b2 = (1 - c) / 2;
        } else if (type == 1) {
            b0 = (1 + c) / 2;
            b1 = -(1 + c);
            b2 = (1 + c) / 2;
        } else {
            b0 = alpha;
            b1 = 0;
            b2 = -alpha;
        }
        const double a0 = 1 + alpha;
        b.b0 = b0 / a0;
        b.b1 = b1 / a0;
        b.b2 = b2 / a0;
        b.a1 = -2 * c / a0;
        b.a2 = (1 - alpha) / a0;
        b.x1 = x1;
        b.x2 = x2;
        b.y1 = y1;
        b.y2 = y2;
        return b;
    }
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A clip under construction.
struct Clip {
    Stereo s;
    void ensure(size_t n)
    {
        if (s.frames() < n)
            s.resize(n);
    }
    void add(size_t i, double v, double pan = 0) // pan -1 left .. 1 right
    {
        ensure(i + 1);
        s.left[i] += float(v * std::sqrt((1 - pan) / 2) * 1.4142);
        s.right[i] += float(v * std::sqrt((1 + pan) / 2) * 1.4142);
    }
};

size_t At(double seconds) { return size_t(std::max(0.0, seconds) * kRate); }

// Amplitude envelope: linear attack, exponential decay with time constant `decay`.
double Env(double t, double attack, double decay)
{
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

enum class Wave { Sine, Triangle, Brass, Square, Bell };

double Osc(Wave w, double phase) // phase in cycles, never wrapped (the bell's partials are not harmonic)
{
    const double x = phase - std::floor(phase);
    switch (w) {
    case Wave::Sine:
        return std::sin(2 * kPi * x);
    case Wave::Triangle: { // band-limited: odd harmonics falling with the square of their number
        double v = 0;
        for (int h = 1; h <= 15; h += 2)
            v += ((h / 2) % 2 ? -1.0 : 1.0) * std::sin(2 * kPi * h * x) / (h * h);
        return v * 8 / (kPi * kPi);
    }
    case Wave::Square: {
        double v = 0;
        for (int h = 1; h <= 9; h += 2)
            v += std::sin(2 * kPi * h * x) / h;
        return v * 0.9;
    }
    case Wave::Brass: {
        double v = 0;
        for (int h = 1; h <= 7; ++h)
            v += std::sin(2 * kPi * h * x) / h;
        return v * 0.6;
    }
    case Wave::Bell:
        return std::sin(2 * kPi * phase) + 0.4 * std::sin(2 * kPi * 2.76 * phase) + 0.2 * std::sin(2 * kPi * 5.4 * phase);
    }
    return 0;
}

double Note(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

void Tone(Clip& c, double start, double length, double freq, Wave w, double amp, double attack, double decay,
          double pan = 0, double glideTo = 0, double vibrato = 0)
{
    double phase = 0;
    const size_t n = At(length);
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        double f = glideTo > 0 ? freq * std::pow(glideTo / freq, t / length) : freq;
        if (vibrato > 0)
            f *= 1 + vibrato * std::sin(2 * kPi * 5.5 * t);
        phase += f / kRate;
        // a short release at the very end so nothing clicks
        const double tail = std::min(1.0, (length - t) / 0.01);
        c.add(At(start) + i, amp * Env(t, attack, decay) * tail * Osc(w, phase), pan);
    }
}

// Filtered noise; the filter may sweep from f0 to f1 over the burst.
void Noise(Clip& c, double start, double length, double amp, double attack, double decay, int type, double f0,
           double f1, double q, uint32_t seed, double pan = 0)
{
    Random r(seed);
    Biquad b = type == 0 ? Biquad::LowPass(f0, q) : type == 1 ? Biquad::HighPass(f0, q) : Biquad::BandPass(f0, q);
    const size_t n = At(length);
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        if (f1 != f0 && i % 32 == 0)
            b.retune(f0 * std::pow(f1 / f0, t / length), q, type);
        const double tail = std::min(1.0, (length - t) / 0.005);
        c.add(At(start) + i, amp * Env(t, attack, decay) * tail * b.process(r.next()), pan);
    }
}

// A card meeting the table: a papery snap and a soft body thump.
void Tap(Clip& c, double start, double amp, double brightness, uint32_t seed, double pan = 0)
{
    Noise(c, start, 0.05, amp, 0.0008, 0.008, 2, 1800 * brightness, 1800 * brightness, 0.8, seed, pan);
    Noise(c, start, 0.03, amp * 0.5, 0.0005, 0.004, 1, 5000, 5000, 0.7, seed + 7, pan);
    Tone(c, start, 0.06, 190 * brightness, Wave::Sine, amp * 0.45, 0.001, 0.014, pan, 120 * brightness);
}

void Chord(Clip& c, double start, double length, std::initializer_list<int> notes, Wave w, double amp,
           double attack, double decay)
{
    double pan = -0.3;
    for (int n : notes) {
        Tone(c, start, length, Note(n), w, amp, attack, decay, pan);
        pan += 0.6 / std::max<size_t>(1, notes.size() - 1);
    }
}

void Melody(Clip& c, double start, double step, std::initializer_list<int> notes, Wave w, double amp,
            double noteLength, double decay)
{
    double t = start;
    for (int n : notes) {
        if (n > 0)
            Tone(c, t, noteLength, Note(n), w, amp, 0.005, decay);
        t += step;
    }
}

void Reverb(Clip& c, double mix)
{
    // A few feedback delays per side: enough room to keep the jingles from sounding dry.
    const size_t extra = At(0.35);
    c.ensure(c.s.frames() + extra);
    const size_t delays[2][3] = {{1557, 2617, 3491}, {1617, 2903, 3271}};
    for (int side = 0; side < 2; ++side) {
        std::vector<float>& ch = side == 0 ? c.s.left : c.s.right;
        std::vector<float> wet(ch.size(), 0.f);
        for (size_t d : delays[side])
            for (size_t i = d; i < ch.size(); ++i)
                wet[i] += float(0.33 * (ch[i - d] + 0.55 * wet[i - d] / 3.0));
        for (size_t i = 0; i < ch.size(); ++i)
            ch[i] += float(mix * wet[i]);
    }
    // fade the tail
    const size_t n = c.s.frames(), fade = At(0.12);
    for (size_t i = 0; i < fade && i < n; ++i) {
        const float g = float(i) / float(fade);
        c.s.left[n - 1 - i] *= g;
        c.s.right[n - 1 - i] *= g;
    }
}

using Maker = std::function<void(Clip&)>;

const std::map<std::string, Maker>& Effects()
{
    static const std::map<std::string, Maker> effects = {
        {"BOMB",
         [](Clip& c) {
             Tone(c, 0, 1.1, 110, Wave::Sine, 1.0, 0.004, 0.28, 0, 32);
             Noise(c, 0, 1.2, 1.0, 0.002, 0.22, 0, 1800, 200, 0.7, 11, -0.2);
             Noise(c, 0.01, 1.2, 0.8, 0.003, 0.25, 0, 1500, 180, 0.7, 12, 0.2);
             Random r(5);
             for (int k = 0; k < 14; ++k) { // debris crackle
                 const double t = 0.08 + k * 0.05 + 0.02 * r.next();
                 Noise(c, t, 0.03, 0.25, 0.0005, 0.006, 2, 2500 + 800 * r.next(), 2500, 1.5, 100 + k, r.next());
             }
         }},
        {"CHAK", [](Clip& c) { Tap(c, 0, 1.0, 1.25, 21); Tap(c, 0.012, 0.5, 1.0, 22, 0.1); }},
        {"CHONG",
         [](Clip& c) {
             const double partials[] = {98, 196.5, 262, 331, 470, 622};
             for (int i = 0; i < 6; ++i)
                 Tone(c, 0, 2.0, partials[i], Wave::Sine, 0.6 / (1 + i * 0.5), 0.004, 0.9 - i * 0.1,
                      (i % 2 ? 0.2 : -0.2));
             Noise(c, 0, 0.2, 0.5, 0.001, 0.05, 0, 900, 900, 0.7, 31);
             Chord(c, 0.12, 1.6, {60, 64, 67, 72}, Wave::Brass, 0.28, 0.02, 0.6);
         }},
        {"CLICK",
         [](Clip& c) {
             Noise(c, 0, 0.02, 0.8, 0.0003, 0.003, 1, 3000, 3000, 0.7, 41);
             Tone(c, 0, 0.03, 2200, Wave::Sine, 0.6, 0.0005, 0.006);
         }},
        {"COUP",
         [](Clip& c) {
             Chord(c, 0, 0.9, {48, 55, 60, 64, 67}, Wave::Brass, 0.35, 0.005, 0.25);
             Noise(c, 0, 0.4, 0.7, 0.001, 0.08, 0, 4000, 600, 0.7, 51);
             Tone(c, 0, 0.5, 80, Wave::Sine, 0.8, 0.002, 0.15, 0, 45);
             Reverb(c, 0.35);
         }},
        {"HOLD",
         [](Clip& c) {
             Noise(c, 0, 0.14, 0.6, 0.06, 0.05, 2, 500, 3500, 1.2, 61); // the card turning over
             Tap(c, 0.12, 0.9, 1.1, 62);
         }},
        {"KISS",
         [](Clip& c) {
             Noise(c, 0, 0.03, 0.9, 0.0005, 0.005, 1, 2500, 2500, 0.8, 71);
             Tone(c, 0.005, 0.12, 1300, Wave::Sine, 0.7, 0.002, 0.03, 0, 700);
             Tone(c, 0.1, 0.35, 880, Wave::Sine, 0.35, 0.01, 0.1, 0.2, 1320);
             Tone(c, 0.1, 0.35, 1320, Wave::Sine, 0.15, 0.01, 0.08, -0.2, 1760);
         }},
        {"LOSE",
         [](Clip& c) {
             Melody(c, 0, 0.28, {67, 63, 60, 59}, Wave::Triangle, 0.5, 0.32, 0.25);
             Tone(c, 1.12, 1.0, Note(55), Wave::Triangle, 0.5, 0.01, 0.45, 0, Note(55) * 0.97, 0.01);
             Chord(c, 1.12, 1.0, {43, 50, 55}, Wave::Sine, 0.22, 0.03, 0.5);
             Reverb(c, 0.3);
         }},
        {"MISSION",
         [](Clip& c) {
             Melody(c, 0, 0.09, {72, 76, 79, 84, 88}, Wave::Bell, 0.35, 0.6, 0.25);
             Chord(c, 0.45, 0.9, {72, 76, 79}, Wave::Bell, 0.16, 0.01, 0.4);
             Reverb(c, 0.3);
         }},
        {"MROOM",
         [](Clip& c) {
             Chord(c, 0, 0.35, {60, 64, 67}, Wave::Brass, 0.25, 0.01, 0.2);
             Chord(c, 0.3, 0.7, {65, 69, 72}, Wave::Brass, 0.25, 0.01, 0.3);
             Reverb(c, 0.3);
         }},
        {"MTURN",
         [](Clip& c) {
             Tone(c, 0, 0.5, Note(79), Wave::Bell, 0.5, 0.003, 0.2);
             Tone(c, 0.2, 0.7, Note(72), Wave::Bell, 0.5, 0.003, 0.3);
             Reverb(c, 0.25);
         }},
        {"NOWIN",
         [](Clip& c) {
             Melody(c, 0, 0.3, {62, 62}, Wave::Triangle, 0.5, 0.28, 0.15);
             Tone(c, 0.6, 0.9, Note(62), Wave::Triangle, 0.5, 0.01, 0.4, 0, Note(60));
             Reverb(c, 0.25);
         }},
        {"ONE", [](Clip& c) { Tone(c, 0, 0.7, Note(84), Wave::Bell, 0.6, 0.002, 0.25); Reverb(c, 0.2); }},
        {"POWER",
         [](Clip& c) {
             Tone(c, 0, 0.7, 180, Wave::Square, 0.35, 0.02, 2.0, -0.2, 1200, 0.02);
             Tone(c, 0, 0.7, 270, Wave::Square, 0.2, 0.02, 2.0, 0.2, 1800, 0.02);
             Reverb(c, 0.2);
         }},
        {"SANGPI",
         [](Clip& c) {
             Melody(c, 0, 0.045, {84, 88, 91, 96, 100, 103}, Wave::Sine, 0.35, 0.3, 0.1);
             Noise(c, 0, 0.4, 0.2, 0.05, 0.12, 1, 7000, 7000, 0.7, 91);
             Reverb(c, 0.3);
         }},
        {"START",
         [](Clip& c) {
             Melody(c, 0, 0.11, {60, 64, 67}, Wave::Brass, 0.4, 0.14, 0.15);
             Chord(c, 0.33, 0.8, {60, 64, 67, 72}, Wave::Brass, 0.3, 0.01, 0.35);
             Noise(c, 0.33, 0.3, 0.35, 0.001, 0.06, 1, 6000, 6000, 0.7, 101);
             Reverb(c, 0.3);
         }},
        {"TUCK", [](Clip& c) { Tap(c, 0, 1.0, 0.85, 111); }},
        {"WAVE",
         [](Clip& c) {
             for (int k = 0; k < 8; ++k) // a hand shaking its cards
                 Noise(c, k * 0.07, 0.06, 0.7 - k * 0.04, 0.004, 0.02, 2, 3500, 3500, 1.4, 120 + k,
                       (k % 2 ? 0.4 : -0.4));
             Tone(c, 0, 0.6, Note(76), Wave::Bell, 0.2, 0.01, 0.2);
         }},
        {"WINDOW",
         [](Clip& c) {
             Tone(c, 0, 0.15, 600, Wave::Sine, 0.6, 0.003, 0.05, 0, 1400);
             Tone(c, 0.05, 0.2, 1400, Wave::Sine, 0.3, 0.003, 0.05);
         }},
        {"WINNER",
         [](Clip& c) {
             Melody(c, 0, 0.13, {72, 72, 72, 76, 79}, Wave::Brass, 0.38, 0.13, 0.12);
             Chord(c, 0.65, 1.2, {72, 76, 79, 84}, Wave::Brass, 0.28, 0.01, 0.55);
             for (int k = 0; k < 10; ++k) // drum roll under the last chord
                 Noise(c, 0.65 + k * 0.04, 0.05, 0.3, 0.001, 0.015, 2, 900, 900, 1, 130 + k);
             Melody(c, 0.65, 0.05, {96, 100, 103, 108}, Wave::Sine, 0.08, 0.2, 0.08);
             Reverb(c, 0.3);
         }},
    };
    return effects;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zivi-sound DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    // Quick interface sounds sit a little below the rest, so a click never outshouts a card.
    const std::map<std::string, double> peaks = {{"CLICK", -5.0}, {"WINDOW", -4.0}, {"TUCK", -2.0}};
    for (const auto& [name, make] : Effects()) {
        Clip c;
        make(c);
        const auto peak = peaks.find(name);
        if (!WriteClip(c.s, dir + "/" + name + ".wav", peak == peaks.end() ? -1.0 : peak->second)) {
            std::fprintf(stderr, "zivi-sound: cannot write %s/%s.wav\n", dir.c_str(), name.c_str());
            return 1;
        }
    }
    return 0;
}
