#include <QByteArray>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/artgen/art.h"

// The two sounds, synthesised: a damped metallic clack for a moving part and a two-stage key
// click (the cap hitting the stop, then the return), as 8-bit mono PCM.
namespace artgen {

namespace {

struct Mode {
    double hz, decay, gain;  // a ringing partial: frequency, decay time (s), level
};

class Noise32 {
public:
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return ((state_ >> 8) & 0xFFFF) / 32767.5 - 1.0;
    }

private:
    uint32_t state_ = 417;
};

// One impact at time t0: a short burst of noise exciting a few damped partials.
void Impact(std::vector<double>& out, int rate, double t0, double level,
            std::initializer_list<Mode> modes, double noiseTime, Noise32& rng) {
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate - t0;
        if (t < 0) continue;
        double v = level * rng.Next() * std::exp(-t / noiseTime);
        for (const Mode& m : modes)
            v += level * m.gain * std::sin(2 * M_PI * m.hz * t) * std::exp(-t / m.decay);
        // A few samples of attack so the start is a knock, not a digital step.
        v *= std::min(1.0, t * rate / 3.0);
        out[i] += v;
    }
}

QByteArray Wave(const std::vector<double>& samples, int rate) {
    // Fade out the last two milliseconds to silence.
    std::vector<double> s = samples;
    const int tail = std::min<int>(rate / 500, static_cast<int>(s.size()));
    for (int i = 0; i < tail; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / tail;
    double peak = 1e-9;
    for (double v : s) peak = std::max(peak, std::abs(v));
    QByteArray data;
    for (double v : s)
        data.append(static_cast<char>(std::clamp<long>(std::lround(128 + 110 * v / peak), 0, 255)));
    auto u32 = [](uint32_t v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto u16 = [](uint16_t v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray w;
    w += "RIFF" + u32(36 + data.size()) + "WAVE";
    w += "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate) + u16(1) + u16(8);
    w += "data" + u32(data.size()) + data;
    return w;
}

}  // namespace

QByteArray StepWave() {
    const int rate = 22050;
    std::vector<double> s(332, 0.0);
    Noise32 rng;
    // The pawl drops into the ratchet, and the detent spring settles a moment later.
    Impact(s, rate, 0.0, 1.0, {{2350, 0.004, 0.9}, {3900, 0.0025, 0.5}, {880, 0.006, 0.4}}, 0.0012,
           rng);
    Impact(s, rate, 0.0068, 0.45, {{3100, 0.003, 0.8}, {1400, 0.004, 0.3}}, 0.0008, rng);
    return Wave(s, rate);
}

QByteArray ClickWave() {
    const int rate = 44100;
    std::vector<double> s(1936, 0.0);
    Noise32 rng;
    // The key bottoms out with a sharp tick, the type bar thumps, the key returns softly.
    Impact(s, rate, 0.0, 1.0, {{4200, 0.003, 0.6}, {1750, 0.006, 0.7}, {620, 0.01, 0.3}}, 0.0009,
           rng);
    Impact(s, rate, 0.011, 0.55, {{980, 0.008, 0.8}, {2600, 0.004, 0.4}}, 0.0015, rng);
    Impact(s, rate, 0.029, 0.3, {{3300, 0.003, 0.6}, {1500, 0.005, 0.4}}, 0.0007, rng);
    return Wave(s, rate);
}

}  // namespace artgen
