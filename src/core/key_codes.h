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

// Every key the battle reads, in ascending order.
inline constexpr int kBattleKeys[] = {kW,     kA,      kD,     kLShift, kC,    kN,
                                      kComma, kPeriod, kSpace, kLeft,   kRight};

}  // namespace sb::keys
