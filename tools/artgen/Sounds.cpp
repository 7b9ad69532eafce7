// The eighteen match sounds, synthesised: bat on ball, umpires' calls,
// appeals, crowd noise, cheers and applause. 22,050 Hz, 16-bit mono.
#include <cmath>
#include <string>
#include <vector>

#include "Art.h"

namespace ravel::art {

namespace {

constexpr int RATE = 22050;
constexpr float TWO_PI = 6.2831853f;

using Wave = std::vector<float>;

// A small deterministic generator, so the files are the same on every build.
struct Noise {
    uint32_t state;
    float Next() {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1 << 23) - 1.0f;
    }
};

Wave Silence(float seconds) {
    return Wave(size_t(seconds * RATE), 0.0f);
}

void Normalise(Wave& w, float peak) {
    float m = 0;
    for (float s : w) m = std::max(m, std::fabs(s));
    if (m > 0)
        for (float& s : w) s *= peak / m;
}

// Two-pole resonator (band-pass) over a signal.
Wave Resonate(const Wave& in, float freq, float bandwidth) {
    const float r = std::exp(-3.1416f * bandwidth / RATE);
    const float a1 = -2 * r * std::cos(TWO_PI * freq / RATE), a2 = r * r;
    Wave out(in.size());
    float y1 = 0, y2 = 0;
    for (size_t i = 0; i < in.size(); ++i) {
        const float y = (1 - r) * in[i] - a1 * y1 - a2 * y2;
        out[i] = y;
        y2 = y1;
        y1 = y;
    }
    return out;
}

// Bat on ball: a sharp click and a short woody ring.
Wave BatHit(float pitch, float hardness, uint32_t seed) {
    Wave w = Silence(0.28f);
    Noise n{seed};
    for (size_t i = 0; i < w.size(); ++i) {
        const float t = float(i) / RATE;
        const float click = t < 0.004f ? n.Next() * (1 - t / 0.004f) : 0;
        const float body = std::sin(TWO_PI * pitch * t) * std::exp(-t * 38) +
                           0.5f * std::sin(TWO_PI * pitch * 2.31f * t) * std::exp(-t * 60) +
                           0.25f * std::sin(TWO_PI * pitch * 0.52f * t) * std::exp(-t * 25);
        w[i] = click * hardness + body;
    }
    Normalise(w, 0.8f);
    return w;
}

// A voice: a pulse train through vowel formants, one (f0, formants) per
// syllable with a glide between them.
struct Syllable {
    float seconds, f0Start, f0End, f1, f2, f3, loudness;
};

Wave Voice(const std::vector<Syllable>& syllables, uint32_t seed) {
    Wave out;
    Noise n{seed};
    float phase = 0;
    for (const Syllable& s : syllables) {
        Wave source(size_t(s.seconds * RATE));
        for (size_t i = 0; i < source.size(); ++i) {
            const float t = float(i) / source.size();
            const float f0 = s.f0Start + (s.f0End - s.f0Start) * t + n.Next() * 1.5f;
            phase += f0 / RATE;
            if (phase >= 1) phase -= 1;
            // A glottal-like pulse plus a breath of noise.
            const float pulse = phase < 0.1f ? std::sin(phase / 0.1f * 3.1416f) : 0;
            const float env = std::min(1.0f, t * 12) * std::min(1.0f, (1 - t) * 6);
            source[i] = (pulse + n.Next() * 0.08f) * env * s.loudness;
        }
        Wave v = Resonate(source, s.f1, 90);
        const Wave v2 = Resonate(source, s.f2, 120);
        const Wave v3 = Resonate(source, s.f3, 160);
        for (size_t i = 0; i < v.size(); ++i) v[i] = v[i] + 0.6f * v2[i] + 0.3f * v3[i];
        out.insert(out.end(), v.begin(), v.end());
    }
    Normalise(out, 0.75f);
    return out;
}

// Crowd: many voices of band-passed noise with a slow swell, looping when
// asked (the tail is folded onto the start).
Wave Crowd(float seconds, float loudness, const std::vector<float>& envelope, bool loop, uint32_t seed,
           float cheers) {
    const size_t n = size_t(seconds * RATE);
    Wave raw(n + (loop ? RATE / 2 : 0));
    Noise noise{seed};
    for (float& s : raw) s = noise.Next();
    Wave a = Resonate(raw, 420, 500), b = Resonate(raw, 1100, 900), c = Resonate(raw, 2600, 1400);
    Wave w(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) w[i] = a[i] + 0.7f * b[i] + 0.3f * c[i];
    // Individual cheering voices scattered through it.
    for (int k = 0; k < int(cheers * seconds); ++k) {
        const float start = (noise.Next() * 0.5f + 0.5f) * seconds;
        const float f0 = 180 + (noise.Next() * 0.5f + 0.5f) * 220;
        const Wave v =
            Voice({{0.35f + 0.3f * std::fabs(noise.Next()), f0, f0 * 1.2f, 700, 1150, 2600, 1}}, seed + k);
        const size_t at = size_t(start * RATE);
        for (size_t i = 0; i < v.size() && at + i < w.size(); ++i) w[at + i] += v[i] * 0.05f;
    }
    for (size_t i = 0; i < w.size(); ++i) {
        const float t = float(i) / n * float(envelope.size() - 1);
        const size_t k = std::min(size_t(t), envelope.size() - 2);
        w[i] *= envelope[k] + (envelope[k + 1] - envelope[k]) * (t - float(k));
    }
    if (loop) {
        const size_t fade = raw.size() - n;
        for (size_t i = 0; i < fade; ++i) {
            const float f = float(i) / fade;
            w[i] = w[i] * f + w[n + i] * (1 - f);
        }
        w.resize(n);
    }
    Normalise(w, loudness);
    return w;
}

// Applause: claps (short bursts of filtered noise) at random times, wrapped
// around the end so the loop is seamless.
Wave Applause(float seconds, int clapsPerSecond, uint32_t seed) {
    const size_t n = size_t(seconds * RATE);
    Wave w(n, 0.0f);
    Noise noise{seed};
    for (int k = 0; k < int(seconds * clapsPerSecond); ++k) {
        const size_t at = size_t((noise.Next() * 0.5f + 0.5f) * n);
        const float gain = 0.4f + 0.6f * std::fabs(noise.Next());
        const float decay = 250 + 200 * std::fabs(noise.Next());
        for (size_t i = 0; i < size_t(0.03f * RATE); ++i)
            w[(at + i) % n] += noise.Next() * gain * std::exp(-float(i) / RATE * decay);
    }
    // Filtered over two turns of the loop, keeping the second, so the
    // filter's state runs on across the loop point.
    Wave twice = w;
    twice.insert(twice.end(), w.begin(), w.end());
    Wave shaped = Resonate(twice, 1500, 2500);
    shaped.erase(shaped.begin(), shaped.begin() + long(n));
    for (size_t i = 0; i < n; ++i) shaped[i] = shaped[i] * 0.8f + w[i] * 0.2f;
    Normalise(shaped, 0.7f);
    return shaped;
}

// Stumps hit: a wooden clatter.
Wave Clatter(uint32_t seed) {
    Wave w = Silence(0.35f);
    Noise n{seed};
    for (float start : {0.0f, 0.045f, 0.11f}) {
        const float pitch = 700 + 500 * std::fabs(n.Next());
        for (size_t i = size_t(start * RATE); i < w.size(); ++i) {
            const float t = float(i) / RATE - start;
            w[i] += (std::sin(TWO_PI * pitch * t) + n.Next() * 0.4f) * std::exp(-t * 45);
        }
    }
    Normalise(w, 0.7f);
    return w;
}

Wave Then(Wave a, const Wave& b, float gainB) {
    for (size_t i = 0; i < b.size(); ++i) {
        if (i >= a.size()) a.push_back(0);
        a[i] += b[i] * gainB;
    }
    Normalise(a, 0.85f);
    return a;
}

void Write(const char* name, const Wave& w) {
    if (!SaveWav(OutPath(std::string("sound\\") + name + ".wav"), w, RATE)) std::exit(1);
}

}  // namespace

void MakeSounds() {
    const Wave ht1 = BatHit(820, 0.7f, 1);
    Write("ht1", ht1);
    Write("ht2", BatHit(700, 0.9f, 2));
    Write("ht3", BatHit(960, 0.5f, 3));
    Write("ht4", BatHit(620, 1.0f, 4));
    Write("ht5", BatHit(1100, 0.6f, 5));
    // The umpire's calls: "No ball!" twice over, and "Wide!".
    Write("noball1",
          Voice({{0.16f, 120, 128, 450, 900, 2500, 0.9f}, {0.30f, 132, 110, 620, 1000, 2450, 1.0f}}, 11));
    Write("noball2",
          Voice({{0.18f, 105, 112, 430, 880, 2400, 1.0f}, {0.34f, 116, 96, 600, 980, 2400, 1.0f}}, 12));
    Write("wide1",
          Voice({{0.09f, 118, 124, 320, 750, 2300, 0.7f}, {0.36f, 126, 100, 720, 1300, 2500, 1.0f}}, 13));
    // Fielders appealing: "How's that!" and a shouted "Yes!".
    Write("voiceyes1",
          Voice({{0.12f, 170, 190, 650, 1100, 2500, 0.8f}, {0.32f, 210, 160, 700, 1650, 2600, 1.0f}}, 21));
    Write("voiceyes2", Voice({{0.30f, 230, 200, 500, 1900, 2600, 1.0f}}, 22));
    Write("voiceyes3",
          Voice({{0.10f, 150, 165, 600, 1000, 2400, 0.8f}, {0.38f, 185, 140, 680, 1600, 2500, 1.0f}}, 23));
    Write("noise_mid", Crowd(4.0f, 0.28f, {1, 1}, true, 31, 2));
    Write("cheergoodstart2", Crowd(2.6f, 0.8f, {0.2f, 1.0f, 0.9f, 0.6f, 0.25f}, false, 32, 14));
    Write("cheerloopgreat2", Crowd(3.5f, 0.75f, {1, 1}, true, 33, 18));
    Write("clapsloop", Applause(3.0f, 160, 34));
    Write("wicketfall3", Then(Clatter(41), Crowd(2.2f, 0.8f, {0.0f, 1.0f, 0.8f, 0.3f}, false, 42, 12), 1.0f));
    Write("wicketfall2", Crowd(2.4f, 0.8f, {0.3f, 1.0f, 0.7f, 0.2f}, false, 43, 10));
}

}  // namespace ravel::art
