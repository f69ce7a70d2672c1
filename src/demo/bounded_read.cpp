#include "demo/bounded_read.h"

#include <algorithm>

namespace sb::demo::files {

void ReadBounded(FileBytes& file, size_t expected, size_t limit,
                 const std::function<long long(uint8_t* into, size_t room)>& read) {
  // One byte more than the limit shows a file that grew past it.
  file.bytes.resize(expected + 1);
  size_t done = 0;
  while (true) {
    if (done == file.bytes.size()) {
      if (done > limit) {
        file.tooLarge = true;
        break;
      }
      file.bytes.resize(std::min(limit + 1, 2 * done));
    }
    const long long n = read(file.bytes.data() + done, file.bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  file.bytes.resize(done);
  if (file.tooLarge || !file.problem.empty()) file.bytes = {};
}

}  // namespace sb::demo::files
