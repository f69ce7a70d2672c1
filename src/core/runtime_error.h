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
  std::string doing;   // the same in a player's words, e.g. "moving the craft"
  std::string detail;  // e.g. what the system said about a file

  // The one line shown to the player: what the game was doing, in a
  // player's words, and what went wrong. The operation's own name is left
  // out: it means nothing to a player.
  std::string Line() const;
};

[[noreturn]] void Fail(ErrorKind kind, const std::string& detail);

// A failed platform call whose caller can say more exactly than the running
// operation what the game was doing, e.g. "loading the picture
// /usr/share/games/spacebattle/Textures/Hud.bmp".
[[noreturn]] void FailWhile(const std::string& doing, const std::string& detail);

// Names the game operation that is running, for error reports, by its own
// name and in a player's words ("Physics", "moving the craft"). Scopes nest;
// the innermost is reported.
class ScopedOperation {
 public:
  ScopedOperation(const char* name, const char* doing);
  ~ScopedOperation();
  ScopedOperation(const ScopedOperation&) = delete;
  ScopedOperation& operator=(const ScopedOperation&) = delete;

 private:
  const char* previousName_;
  const char* previousDoing_;
};

// Fails with a floating-point error if the thread's floating-point status
// shows an overflow, a division by zero or an invalid operation since the
// last call of ClearFloatStatus().
void ClearFloatStatus();
void CheckFloatStatus();

}  // namespace sb
