#include "harmony.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace assetgen {

namespace {
constexpr int kNaturalMinor[7] = {0, 2, 3, 5, 7, 8, 10};

int Mod(int a, int m) {
  return ((a % m) + m) % m;
}
int FloorDiv(int a, int m) {
  return (a - Mod(a, m)) / m;
}
}  // namespace

int RootIn(const Chord& chord, int low) {
  return low + Mod(chord.root - low, 12);
}

int MinorKey::Melody(const Chord& chord, int step, int low) const {
  int root = RootIn(chord, low);
  // Scale index of the chord's root (chords are built on scale notes).
  int root_index = 0;
  for (int i = 0; i < 7; ++i) {
    if (Mod(tonic_ + kNaturalMinor[i], 12) == Mod(chord.root, 12)) root_index = i;
  }
  int k = root_index + step;
  int above_root = kNaturalMinor[Mod(k, 7)] + 12 * FloorDiv(k, 7) - kNaturalMinor[root_index];
  int pitch = root + above_root;
  if (!chord.minor && Mod(pitch - root, 12) == 3) ++pitch;
  return pitch;
}

std::vector<int> Voice(const Chord& chord, const std::vector<int>& previous, int low, int high) {
  const int tones[3] = {0, chord.minor ? 3 : 4, 7};
  std::vector<int> best;
  int best_cost = std::numeric_limits<int>::max();
  // Try every placement of the three tones within the range.
  for (int a = low; a <= high; ++a) {
    if (Mod(a - chord.root, 12) != tones[0] && Mod(a - chord.root, 12) != tones[1] &&
        Mod(a - chord.root, 12) != tones[2]) {
      continue;
    }
    std::vector<int> v{a};
    for (int p = a + 1; p <= high && v.size() < 3; ++p) {
      int pc = Mod(p - chord.root, 12);
      bool used = false;
      for (int q : v) used = used || Mod(q - chord.root, 12) == pc;
      if (!used && (pc == tones[0] || pc == tones[1] || pc == tones[2])) v.push_back(p);
    }
    if (v.size() < 3 || v.back() - v.front() > 12) continue;
    int cost = 0;
    if (previous.size() == 3) {
      for (int i = 0; i < 3; ++i) cost += std::abs(v[i] - previous[i]);
    } else {
      cost = std::abs(v[0] - (low + high) / 2);
    }
    if (cost < best_cost) {
      best_cost = cost;
      best = v;
    }
  }
  return best;
}

}  // namespace assetgen
