// Keeps the game thread's floating-point status flags as they were across a
// call into the graphics or sound libraries: whatever those raise inside is
// theirs, not a fault of the game's arithmetic.
#pragma once

#include <cfenv>

namespace sb::sdl {

class FloatStatusKeeper {
 public:
  FloatStatusKeeper() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
  ~FloatStatusKeeper() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
  FloatStatusKeeper(const FloatStatusKeeper&) = delete;
  FloatStatusKeeper& operator=(const FloatStatusKeeper&) = delete;

 private:
  std::fexcept_t saved_;
};

}  // namespace sb::sdl
