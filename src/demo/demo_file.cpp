#include "demo/demo_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/utf8_path.h"
#include "demo/move_into_place.h"

namespace sb::demo {

std::string DemoProblem(const std::string& path, const std::string& what) {
  return "spacebattle: demo " + path + ": " + what;
}

DecodeResult ReadDemoFile(const std::string& path) {
  DecodeResult result;
  std::ifstream in(Utf8Path(path), std::ios::binary);
  if (!in) {
    result.error = DemoProblem(path, std::string("cannot open (") + std::strerror(errno) + ")");
    return result;
  }
  std::vector<uint8_t> bytes;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    if (bytes.size() > kMaxFileBytes) {
      result.error = DemoProblem(path, "too large to be a demo");
      return result;
    }
  }
  if (in.bad()) {
    result.error = DemoProblem(path, "cannot read");
    return result;
  }
  result = Decode(bytes);
  if (!result.error.empty()) result.error = DemoProblem(path, result.error);
  return result;
}

std::string CheckWritable(const std::string& path) {
  const std::string temporary = path + ".tmp";
  std::ofstream out(Utf8Path(temporary), std::ios::binary | std::ios::trunc);
  if (!out) return DemoProblem(path, std::string("cannot write (") + std::strerror(errno) + ")");
  out.close();
  std::remove(temporary.c_str());
  return "";
}

std::string WriteDemoFile(const std::string& path, const Demo& demo) {
  const std::vector<uint8_t> bytes = Encode(demo);
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(Utf8Path(temporary), std::ios::binary | std::ios::trunc);
    if (out) out.write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
    out.flush();
    if (!out) {
      const std::string reason = std::strerror(errno);
      std::remove(temporary.c_str());
      return DemoProblem(path, "cannot write (" + reason + ")");
    }
  }
  const std::string reason = MoveIntoPlace(temporary, path);
  if (!reason.empty()) {
    std::remove(temporary.c_str());
    return DemoProblem(path, "cannot write (" + reason + ")");
  }
  return "";
}

}  // namespace sb::demo
