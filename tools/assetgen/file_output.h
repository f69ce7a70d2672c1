// Writing the generated files.
#pragma once

#include <filesystem>

#include "byte_buffer.h"

namespace assetgen {

// Writes bytes to root/relative, creating folders; false on any failure.
bool WriteAsset(const std::filesystem::path& root, const std::string& relative, const Bytes& bytes);

}  // namespace assetgen
