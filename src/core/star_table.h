// The star field: 20,001 records the scene writes once, and beside them the
// stars' first corners sorted along X, so that a view finds its few stars
// without reading them all. Writes go through Edit; whoever writes then
// calls Rebuild to sort the corners again. A search in between is a fault
// of the program, not a slow path: it fails rather than read a stale copy.
#pragma once

#include <cstdint>
#include <vector>

#include "core/table.h"
#include "core/vertex.h"

namespace sb {

// Only the square is used.
struct StarRecord {
  LitVertex Quad[4];
};

class StarTable {
 public:
  static constexpr int kLow = 0;
  static constexpr int kHigh = 20000;

  StarTable() { Rebuild(); }

  const StarRecord& operator[](long long i) const { return stars_[i]; }
  // Star `i` to write; searches fail until the next Rebuild.
  StarRecord& Edit(long long i) {
    sorted_ = false;
    return stars_[i];
  }
  // Sorts the stars' first corners along X again, after edits.
  void Rebuild();

  // Calls visit(s), in increasing s, for every star s whose first corner's X
  // lies strictly between `low` and `high` (as `low < x && x < high`, in
  // float). Stars outside are not read. Fails after an Edit with no
  // Rebuild since.
  template <typename Visit>
  void ForEachInStrip(float low, float high, Visit&& visit) const {
    Find(low, high);
    for (int32_t s : found_) visit(s);
  }

 private:
  struct Corner {
    float x;
    int32_t star;
  };
  void Find(float low, float high) const;

  Table<StarRecord, kLow, kHigh> stars_;
  bool sorted_ = false;
  std::vector<Corner> byX_;
  mutable std::vector<int32_t> found_;
};

}  // namespace sb
