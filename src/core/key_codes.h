// The game's key codes: PC keyboard scan codes, with 0x80 added for the
// extended keys. They index the key table `KeyDown`.
#pragma once

namespace sb::keys {

inline constexpr int kEscape = 1;
inline constexpr int kW = 17;
inline constexpr int kA = 30;
inline constexpr int kD = 32;
inline constexpr int kLShift = 42;
inline constexpr int kC = 46;
inline constexpr int kN = 49;
inline constexpr int kComma = 51;
inline constexpr int kPeriod = 52;
inline constexpr int kSpace = 57;
inline constexpr int kLeft = 203;
inline constexpr int kRight = 205;

// Keys the design leaves unused, for the player's additions.
inline constexpr int kMinus = 12;
inline constexpr int kEquals = 13;
inline constexpr int kP = 25;
inline constexpr int kM = 50;
inline constexpr int kF1 = 59;
inline constexpr int kF2 = 60;
inline constexpr int kNumpadMinus = 74;
inline constexpr int kNumpadPlus = 78;
inline constexpr int kPause = 197;
// No keyboard key has this code: a game controller's Back button, pressed
// and released alone, holds it for one pass (its Start button alone does the
// same with kPause).
inline constexpr int kControllerBack = 240;

// Every key the battle reads, in ascending order.
inline constexpr int kBattleKeys[] = {kW,     kA,      kD,     kLShift, kC,    kN,
                                      kComma, kPeriod, kSpace, kLeft,   kRight};

}  // namespace sb::keys
