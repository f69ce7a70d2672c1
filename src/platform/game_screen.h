// The game's picture and window: the size in pixels the game draws its
// picture at, on every platform, and the title of its window and message
// boxes.
#pragma once

namespace sb {

inline constexpr int kScreenWidth = 1024;
inline constexpr int kScreenHeight = 768;
inline constexpr const char* kGameTitle = "Space Battle";

}  // namespace sb
