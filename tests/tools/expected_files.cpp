#include "expected_files.h"

namespace sbtest {

std::vector<std::string> AllExpectedFiles() {
  std::vector<std::string> out;
  for (const auto& p : kSharedPictures) out.push_back("Textures/" + p.file);
  for (const auto& p : kDesignPictures) out.push_back("Textures/" + p.file);
  for (const auto& p : kPlanetPictures) out.push_back("Textures/" + p);
  for (const auto& s : kSounds) out.push_back("sfx/" + s);
  for (const auto& t : kTunes) out.push_back(t);
  return out;
}

}  // namespace sbtest
