// File names are UTF-8 strings throughout the game. A path made from one
// with Utf8Path names the same file on every system: on Windows it holds the
// name in UTF-16, and the standard streams and file functions open it with
// the wide-character calls, where a plain char string would be read in the
// local code page.
#pragma once

#include <filesystem>
#include <string>

namespace sb {

inline std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace sb
