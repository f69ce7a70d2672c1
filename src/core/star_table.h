// The star field: 20,001 records the scene writes once, and beside them the
// stars' first corners sorted along X, so that a view finds its few stars
// without reading them all. Any access that may write (the non-const
// operator[]) drops the sorted copy; the next search builds it again.
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

  StarRecord& operator[](long long i) {
    sorted_ = false;
    return stars_[i];
  }
  const StarRecord& operator[](long long i) const { return stars_[i]; }

  // Calls visit(s), in increasing s, for every star s whose first corner's X
  // lies strictly between `low` and `high` (as `low < x && x < high`, in
  // float). Stars outside are not read.
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
  void Sort() const;
  void Find(float low, float high) const;

  Table<StarRecord, kLow, kHigh> stars_;
  mutable bool sorted_ = false;
  mutable std::vector<Corner> byX_;
  mutable std::vector<int32_t> found_;
};

}  // namespace sb
