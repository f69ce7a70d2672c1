// Every call the demo code makes on the system's files, in one place: a port
// to another system replaces this file's implementation and nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sb::demo::files {

enum class Kind { Missing, Regular, Folder, SymbolicLink, Device, Fifo, Socket, Other };

struct Entry {
  Kind kind = Kind::Missing;
  // The system's reason when the path cannot be looked at (other than not
  // existing), e.g. "Not a directory"; then `kind` means nothing.
  std::string problem;
};

// What `path` itself is; a symbolic link is not followed.
Entry Look(const std::string& path);

// Whether `path` ends in a folder separator, so names a folder.
bool EndsInSeparator(const std::string& path);

// A file this program created, in the folder of another path, under a name
// no other file had. Removed on destruction unless moved into place or kept.
class CreatedFile {
 public:
  explicit CreatedFile(const std::string& beside);
  ~CreatedFile();
  CreatedFile(const CreatedFile&) = delete;
  CreatedFile& operator=(const CreatedFile&) = delete;

  // The system's reason when it could not be created, else "".
  const std::string& problem() const { return problem_; }
  const std::string& name() const { return name_; }
  // Writes all of `bytes`, flushes them to the disk and closes the file;
  // returns "" or the reason.
  std::string Write(const std::vector<uint8_t>& bytes);
  // Renames the file to `target`, replacing what is there; "" or the reason.
  std::string MoveTo(const std::string& target);
  // Leaves the file where it is.
  void Keep() { remove_ = false; }

 private:
  std::string name_;
  std::string problem_;
  int handle_ = -1;
  bool remove_ = true;
};

struct FileBytes {
  // The kind of what was found: bytes are read only from a regular file.
  Kind kind = Kind::Regular;
  bool tooLarge = false;
  std::string problem;  // the system's reason when it could not be opened or read
  std::vector<uint8_t> bytes;
};

// The whole of the regular file at `path` (links followed) if it holds at
// most `limit` bytes. Anything else (a folder, a device, a FIFO) is refused
// without reading from it, and without waiting for a FIFO's writer.
FileBytes ReadRegularFile(const std::string& path, size_t limit);

}  // namespace sb::demo::files
