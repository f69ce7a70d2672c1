#include "file_output.h"

#include <fstream>

namespace assetgen {

bool WriteAsset(const std::filesystem::path& root, const std::string& relative,
                const Bytes& bytes) {
  std::filesystem::path path = root / relative;
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  if (ec) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace assetgen
