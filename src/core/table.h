// Fixed-size tables with inclusive index bounds, every access checked.
#pragma once

#include <array>
#include <string>

#include "core/runtime_error.h"

namespace sb {

[[noreturn]] void FailIndex(long long index, long long low, long long high);

template <typename T, int Low, int High>
class Table {
 public:
  static constexpr int kLow = Low;
  static constexpr int kHigh = High;
  static constexpr int kSize = High - Low + 1;

  T& operator[](long long i) {
    if (i < Low || i > High) FailIndex(i, Low, High);
    return items_[static_cast<size_t>(i - Low)];
  }
  const T& operator[](long long i) const {
    if (i < Low || i > High) FailIndex(i, Low, High);
    return items_[static_cast<size_t>(i - Low)];
  }

  // Unchecked access to the storage, for handing runs of records to the
  // platform (a run of particles is one point list).
  T* data() { return items_.data(); }
  const T* data() const { return items_.data(); }

  void Fill(const T& value) { items_.fill(value); }

 private:
  std::array<T, kSize> items_{};
};

}  // namespace sb
