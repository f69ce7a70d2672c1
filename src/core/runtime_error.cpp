#include "core/runtime_error.h"

#include "core/float_flags.h"

namespace sb {

namespace {
thread_local const char* current_operation = nullptr;
thread_local const char* current_doing = nullptr;

std::string Text(const char* text) {
  return text != nullptr ? text : "";
}
}  // namespace

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
  std::string line = "spacebattle: run-time error";
  if (!doing.empty()) line += " while " + doing;
  // A failed platform call is said by its detail alone; the other kinds are
  // faults of the program, named for whoever reads the report.
  if (kind != ErrorKind::PlatformCall) line += std::string(": ") + ErrorKindText(kind);
  if (!detail.empty()) line += ": " + detail;
  return line;
}

void Fail(ErrorKind kind, const std::string& detail) {
  throw GameError{kind, Text(current_operation), Text(current_doing), detail};
}

void FailWhile(const std::string& doing, const std::string& detail) {
  throw GameError{ErrorKind::PlatformCall, Text(current_operation), doing, detail};
}

ScopedOperation::ScopedOperation(const char* name, const char* doing)
    : previousName_(current_operation), previousDoing_(current_doing) {
  current_operation = name;
  current_doing = doing;
}

ScopedOperation::~ScopedOperation() {
  current_operation = previousName_;
  current_doing = previousDoing_;
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
