#include "core/runtime_error.h"

#include "core/float_flags.h"

namespace sb {

namespace {
thread_local const char* current_operation = nullptr;
}

const char* ErrorKindText(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::PlatformCall:
      return "failed platform call";
    case ErrorKind::IndexOutOfRange:
      return "index out of range";
    case ErrorKind::Overflow:
      return "overflow";
    case ErrorKind::FloatingPoint:
      return "floating-point error";
  }
  return "run-time error";
}

std::string GameError::Line() const {
  std::string line = "spacebattle: run-time error: ";
  line += ErrorKindText(kind);
  if (!where.empty()) line += " in " + where;
  if (!detail.empty()) line += ": " + detail;
  return line;
}

void Fail(ErrorKind kind, const std::string& detail) {
  throw GameError{kind, current_operation ? current_operation : "", detail};
}

ScopedOperation::ScopedOperation(const char* name) : previous_(current_operation) {
  current_operation = name;
}

ScopedOperation::~ScopedOperation() {
  current_operation = previous_;
}

void ClearFloatStatus() {
  SetFloatFlags(FE_ALL_EXCEPT, 0);
}

void CheckFloatStatus() {
  const int raised = RaisedFloatFlags(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
  if (raised == 0) return;
  SetFloatFlags(FE_ALL_EXCEPT, 0);
  const char* what = (raised & FE_INVALID)     ? "invalid operation"
                     : (raised & FE_DIVBYZERO) ? "division by zero"
                                               : "overflow";
  Fail(ErrorKind::FloatingPoint, what);
}

}  // namespace sb
