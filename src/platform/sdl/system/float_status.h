// Keeps the game thread's floating-point status flags as they were across a
// call into the graphics or sound libraries: whatever those raise inside is
// theirs, not a fault of the game's arithmetic.
#pragma once

#include "core/float_flags.h"

namespace sb::sdl {

class FloatStatusKeeper {
 public:
  FloatStatusKeeper() : saved_(RaisedFloatFlags(FE_ALL_EXCEPT)) {}
  ~FloatStatusKeeper() { SetFloatFlags(FE_ALL_EXCEPT, saved_); }
  FloatStatusKeeper(const FloatStatusKeeper&) = delete;
  FloatStatusKeeper& operator=(const FloatStatusKeeper&) = delete;

 private:
  int saved_;
};

}  // namespace sb::sdl
