// Pi as the game has always written it: the truncated decimal, not M_PI. The
// simulation's results depend on this exact value.
#pragma once

namespace sb {

inline constexpr double kPi = 3.14159265358979;

}  // namespace sb
