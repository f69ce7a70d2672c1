// One picture showing every generated picture on mid-grey (so the transparent
// black shows), small ones enlarged, each captioned with its file name.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace assetgen {

struct SheetEntry {
  std::string caption;
  Image image;
};

Image ContactSheet(const std::vector<SheetEntry>& entries);

}  // namespace assetgen
