#include "sfx_synth.h"

#include <algorithm>
#include <cmath>

#include "rng.h"

namespace assetgen {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kRate = kSfxRate;

int Samples(double seconds) {
  return static_cast<int>(std::lround(seconds * kRate));
}

// One-pole low-pass filter.
class LowPass {
 public:
  explicit LowPass(double cutoff_hz) : a_(1.0 - std::exp(-kTwoPi * cutoff_hz / kRate)) {}
  double operator()(double x) { return y_ += a_ * (x - y_); }

 private:
  double a_;
  double y_ = 0.0;
};

// Scales so the loudest sample reaches `peak`.
void Normalise(std::vector<float>& s, float peak) {
  float m = 0.0f;
  for (float v : s) m = std::max(m, std::fabs(v));
  if (m > 0.0f) {
    for (float& v : s) v *= peak / m;
  }
}

// Short fades at both ends so nothing clicks.
void FadeEdges(std::vector<float>& s, int in, int out) {
  int n = static_cast<int>(s.size());
  for (int i = 0; i < in && i < n; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(in);
  for (int i = 0; i < out && i < n; ++i) {
    s[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
  }
}

}  // namespace

std::vector<float> SynthFly() {
  // Whole-hertz partials and a whole-hertz throb repeat exactly every second,
  // so the loop point is seamless; the rumble noise is cross-faded to loop too.
  const int n = Samples(1.0);
  const int fade = Samples(0.25);
  Rng rng(0xF17);
  LowPass rumble_filter(180.0), rumble_filter2(180.0);
  std::vector<double> rumble(static_cast<std::size_t>(n + fade));
  for (double& r : rumble) r = rumble_filter2(rumble_filter(rng.Signed()));
  std::vector<float> out(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    double hum = 0.0;
    const double partials[][2] = {{55, 1.0}, {110, 0.55}, {165, 0.3}, {220, 0.18}, {331, 0.08}};
    for (const auto& p : partials) hum += p[1] * std::sin(kTwoPi * p[0] * t + p[0] * 0.01);
    double throb = 0.8 + 0.2 * std::sin(kTwoPi * 6.0 * t);
    double noise = rumble[static_cast<std::size_t>(i)];
    if (i < fade) {
      // Blend in the tail that follows the loop's end, so end and start meet.
      double w = static_cast<double>(i) / fade;
      noise = noise * w + rumble[static_cast<std::size_t>(n + i)] * (1.0 - w);
    }
    out[static_cast<std::size_t>(i)] = static_cast<float>(hum * throb * 0.5 + noise * 6.0);
  }
  Normalise(out, 0.6f);
  return out;
}

std::vector<float> SynthFire() {
  // A falling square-ish zap over a burst of noise.
  const int n = Samples(0.2);
  Rng rng(0xF1E);
  LowPass crack(2500.0);
  std::vector<float> out(static_cast<std::size_t>(n));
  double phase = 0.0;
  for (int i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    double freq = 280.0 + 1700.0 * std::exp(-t * 28.0);
    phase += kTwoPi * freq / kRate;
    double tone = std::tanh(3.0 * std::sin(phase));
    double env = std::exp(-t * 18.0);
    double burst = crack(rng.Signed()) * std::exp(-t * 90.0);
    out[static_cast<std::size_t>(i)] = static_cast<float>(tone * env * 0.7 + burst * 1.5);
  }
  FadeEdges(out, 10, Samples(0.02));
  Normalise(out, 0.8f);
  return out;
}

std::vector<float> SynthShieldHit() {
  // Buzzing arcs: random sparks gating a ring-modulated tone, fading out.
  const int n = Samples(0.45);
  Rng rng(0x5A1E1D);
  LowPass hiss(3000.0);
  std::vector<float> out(static_cast<std::size_t>(n));
  double gate = 0.0;
  for (int i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    if (rng.Chance(0.004f)) gate = 1.0;  // a new spark
    gate *= 0.996;
    double buzz = std::sin(kTwoPi * 1250.0 * t) * (std::sin(kTwoPi * 90.0 * t) > 0.0 ? 1.0 : -1.0);
    double sweep = std::sin(kTwoPi * (900.0 + 600.0 * std::sin(kTwoPi * 7.0 * t)) * t);
    double env = std::exp(-t * 7.0);
    double crackle = hiss(rng.Signed()) * (0.3 + gate);
    out[static_cast<std::size_t>(i)] =
        static_cast<float>(env * (buzz * 0.35 * (0.4 + gate) + sweep * 0.15 + crackle * 1.2));
  }
  FadeEdges(out, 20, Samples(0.05));
  Normalise(out, 0.75f);
  return out;
}

std::vector<float> SynthHpHit() {
  // A falling thud, a burst of debris noise and the ring of struck plating.
  const int n = Samples(0.5);
  Rng rng(0x4B17);
  LowPass debris(900.0);
  std::vector<float> out(static_cast<std::size_t>(n));
  double phase = 0.0;
  for (int i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / kRate;
    phase += kTwoPi * (45.0 + 110.0 * std::exp(-t * 20.0)) / kRate;
    double thud = std::sin(phase) * std::exp(-t * 9.0);
    double noise = debris(rng.Signed()) * std::exp(-t * 22.0);
    double ring = 0.0;
    const double partials[][2] = {{310, 1.0}, {487, 0.7}, {731, 0.5}, {1093, 0.3}};
    for (const auto& p : partials) ring += p[1] * std::sin(kTwoPi * p[0] * t);
    ring *= std::exp(-t * 12.0) * 0.12;
    out[static_cast<std::size_t>(i)] = static_cast<float>(thud + noise * 2.5 + ring);
  }
  FadeEdges(out, 5, Samples(0.05));
  Normalise(out, 0.9f);
  return out;
}

}  // namespace assetgen
