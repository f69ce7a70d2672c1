// The game's one random sequence: uniform in [0, 1), never 1.0.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace sb {

class RandomSource {
 public:
  void Seed(uint64_t seed) { engine_.seed(seed); }

  // 53 random bits scaled by 2^-53: every value is exact and below 1.
  double Next() {
    const double u = static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0);
    if (log_) log_->push_back(u);
    return u;
  }

  // Every draw is also appended to `log` while it is set (battle traces).
  void SetLog(std::vector<double>* log) { log_ = log; }

 private:
  std::mt19937_64 engine_{5489u};
  std::vector<double>* log_ = nullptr;
};

}  // namespace sb
