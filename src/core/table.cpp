#include "core/table.h"

namespace sb {

void FailIndex(long long index, long long low, long long high) {
  Fail(ErrorKind::IndexOutOfRange,
       std::to_string(index) + " outside " + std::to_string(low) + ".." + std::to_string(high));
}

}  // namespace sb
