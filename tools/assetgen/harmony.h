// Just enough music theory for the tunes: chords in a minor key, melody notes
// picked by scale step from a chord's root, and smooth chord voicings.
#pragma once

#include <vector>

namespace assetgen {

struct Chord {
  int root;    // pitch class, 0 = C
  bool minor;  // minor or major triad
};

class MinorKey {
 public:
  explicit MinorKey(int tonic) : tonic_(tonic) {}

  // The note `step` scale steps above the chord's root (0 root, 2 third, 4
  // fifth, 7 octave; negative goes down), with the root placed in
  // [low, low + 11]. Over a major chord the scale's minor third of the root is
  // raised (the leading tone over the dominant).
  int Melody(const Chord& chord, int step, int low) const;

 private:
  int tonic_;
};

// The chord's root in [low, low + 11].
int RootIn(const Chord& chord, int low);

// The three chord tones arranged in [low, high] closest to `previous`
// (smallest total movement); `previous` may be empty.
std::vector<int> Voice(const Chord& chord, const std::vector<int>& previous, int low, int high);

}  // namespace assetgen
