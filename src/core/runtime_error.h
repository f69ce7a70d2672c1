// Run-time errors: the four kinds of fault that end the game.
//
// Nothing in the game handles them. Fail() unwinds to the program's entry
// point, which reports one line and ends the process with status 1.
#pragma once

#include <string>

namespace sb {

enum class ErrorKind {
  PlatformCall,     // a platform operation reported failure
  IndexOutOfRange,  // a table index outside its declared bounds
  Overflow,         // an integer result or conversion outside its width
  FloatingPoint,    // overflow, division by zero or invalid float operation
};

const char* ErrorKindText(ErrorKind kind);

// Thrown by Fail(). Deliberately not derived from std::exception so that no
// generic handler can swallow it.
struct GameError {
  ErrorKind kind;
  std::string where;   // operation running when it happened, e.g. "Physics"
  std::string detail;  // e.g. the path of a file that failed to load

  // The one line shown to the player.
  std::string Line() const;
};

[[noreturn]] void Fail(ErrorKind kind, const std::string& detail);

// Names the game operation that is running, for error reports. Scopes nest;
// the innermost name is reported.
class ScopedOperation {
 public:
  explicit ScopedOperation(const char* name);
  ~ScopedOperation();
  ScopedOperation(const ScopedOperation&) = delete;
  ScopedOperation& operator=(const ScopedOperation&) = delete;

 private:
  const char* previous_;
};

// Fails with a floating-point error if the thread's floating-point status
// shows an overflow, a division by zero or an invalid operation since the
// last call of ClearFloatStatus().
void ClearFloatStatus();
void CheckFloatStatus();

}  // namespace sb
