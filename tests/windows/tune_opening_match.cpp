// tune_opening_match A.raw B.raw: compares the opening of the first tune in
// two recordings of the game's sound output (SDL's disk driver: 16-bit
// stereo at 44100 Hz), each silent until the tune starts. Prints the
// envelope correlation of the first seconds and their loudness ratio;
// exits 0 when they are the same tune at the same volume.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = kRate / 100;  // 10 ms
constexpr int kWindows = 400;         // the first four seconds
constexpr int kMaxLag = 30;           // 0.3 s either way

std::vector<int16_t> Samples(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  std::vector<int16_t> out(bytes.size() / 2);
  std::copy_n(bytes.data(), out.size() * 2, reinterpret_cast<char*>(out.data()));
  return out;
}

// The first stereo frame with a sample beyond +-64 (the tune's first note;
// before it the game is silent), or -1.
int64_t Onset(const std::vector<int16_t>& s) {
  for (size_t i = 0; i < s.size(); ++i)
    if (std::abs(static_cast<int>(s[i])) > 64) return static_cast<int64_t>(i / 2);
  return -1;
}

// Loudness per 10 ms window from frame `from`: the mean absolute sample.
std::vector<double> Envelope(const std::vector<int16_t>& s, int64_t from) {
  std::vector<double> out;
  for (size_t f = static_cast<size_t>(from) * 2; f + 2 * kWindow <= s.size(); f += 2 * kWindow) {
    double sum = 0;
    for (size_t i = f; i < f + 2 * kWindow; ++i) sum += std::abs(static_cast<int>(s[i]));
    out.push_back(sum / (2 * kWindow));
  }
  return out;
}

double Correlation(const std::vector<double>& a, int from, const std::vector<double>& b,
                   int bFrom) {
  double ma = 0, mb = 0;
  for (int i = 0; i < kWindows; ++i) ma += a[from + i], mb += b[bFrom + i];
  ma /= kWindows, mb /= kWindows;
  double ab = 0, aa = 0, bb = 0;
  for (int i = 0; i < kWindows; ++i) {
    const double x = a[from + i] - ma, y = b[bFrom + i] - mb;
    ab += x * y, aa += x * x, bb += y * y;
  }
  return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tune_opening_match A.raw B.raw\n";
    return 2;
  }
  const std::vector<int16_t> sa = Samples(argv[1]), sb = Samples(argv[2]);
  const int64_t onsetA = Onset(sa), onsetB = Onset(sb);
  if (onsetA < 0 || onsetB < 0) {
    std::cerr << "no tune in " << (onsetA < 0 ? argv[1] : argv[2]) << '\n';
    return 1;
  }
  // Windows from a little before each onset, so that a lag either way fits.
  const int64_t lead = kMaxLag * kWindow;
  const std::vector<double> a = Envelope(sa, std::max<int64_t>(0, onsetA - lead));
  const std::vector<double> b = Envelope(sb, std::max<int64_t>(0, onsetB - lead));
  const int startA = int(std::min(lead, onsetA) / kWindow),
            startB = int(std::min(lead, onsetB) / kWindow);
  if (int(a.size()) < startA + kWindows || int(b.size()) < startB + kWindows + kMaxLag) {
    std::cerr << "less than " << kWindows / 100.0 << " s of tune recorded\n";
    return 1;
  }
  double best = -1;
  int bestLag = 0;
  for (int lag = -startB; lag <= kMaxLag; ++lag) {
    const double r = Correlation(a, startA, b, startB + lag);
    if (r > best) best = r, bestLag = lag;
  }
  double loudA = 0, loudB = 0;
  for (int i = 0; i < kWindows; ++i) loudA += a[startA + i], loudB += b[startB + bestLag + i];
  const double ratio = loudB / loudA;
  std::printf(
      "tune starts %.2f s and %.2f s into the recordings; envelope correlation %.4f at "
      "%+d ms; loudness ratio %.3f\n",
      double(onsetA) / kRate, double(onsetB) / kRate, best, bestLag * 10, ratio);
  return best > 0.95 && ratio > 0.9 && ratio < 1.1 ? 0 : 1;
}
