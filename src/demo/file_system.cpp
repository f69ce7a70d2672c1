// POSIX; file_system_windows.cpp stands in for it on Windows.
#include "demo/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "demo/bounded_read.h"

namespace sb::demo::files {

namespace {

// Different names tried before giving up on a folder full of leftovers.
constexpr int kNameAttempts = 100;

std::string Reason(int error) {
  return std::strerror(error);
}

Kind KindOf(mode_t mode) {
  if (S_ISREG(mode)) return Kind::Regular;
  if (S_ISDIR(mode)) return Kind::Folder;
  if (S_ISLNK(mode)) return Kind::SymbolicLink;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Kind::Device;
  if (S_ISFIFO(mode)) return Kind::Fifo;
  if (S_ISSOCK(mode)) return Kind::Socket;
  return Kind::Other;
}

}  // namespace

Entry Look(const std::string& path) {
  Entry entry;
  struct stat info {};
  if (lstat(path.c_str(), &info) == 0) {
    entry.kind = KindOf(info.st_mode);
  } else if (errno != ENOENT) {
    entry.problem = Reason(errno);
  }
  return entry;
}

bool EndsInSeparator(const std::string& path) {
  return !path.empty() && path.back() == '/';
}

CreatedFile::CreatedFile(const std::string& beside) {
  // O_EXCL: the name is ours only if nothing, not even a dangling link, had it.
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name_ = beside + "." + std::to_string(getpid()) + "-" + std::to_string(attempt) + ".tmp";
    handle_ = open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (handle_ >= 0) return;
    if (errno != EEXIST) break;
  }
  problem_ = Reason(errno);
  remove_ = false;
}

CreatedFile::~CreatedFile() {
  if (handle_ >= 0) close(handle_);
  if (remove_) unlink(name_.c_str());
}

std::string CreatedFile::Write(const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(handle_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Reason(n < 0 ? errno : ENOSPC);
    done += static_cast<size_t>(n);
  }
  const int synced = fsync(handle_);
  const int syncError = errno;
  const int closed = close(handle_);
  handle_ = -1;
  if (synced != 0) return Reason(syncError);
  if (closed != 0) return Reason(errno);
  return "";
}

std::string CreatedFile::MoveTo(const std::string& target) {
  if (std::rename(name_.c_str(), target.c_str()) != 0) return Reason(errno);
  remove_ = false;
  return "";
}

FileBytes ReadRegularFile(const std::string& path, size_t limit) {
  FileBytes file;
  // Looked at before opening: opening a device or a FIFO can have effects.
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    file.problem = Reason(errno);
    return file;
  }
  file.kind = KindOf(info.st_mode);
  if (file.kind != Kind::Regular) return file;
  // O_NONBLOCK: should the path have become a FIFO since, open does not wait.
  const int handle = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (handle < 0) {
    file.problem = Reason(errno);
    return file;
  }
  if (fstat(handle, &info) != 0) {
    file.problem = Reason(errno);
    close(handle);
    return file;
  }
  file.kind = KindOf(info.st_mode);
  if (file.kind != Kind::Regular) {
    close(handle);
    return file;
  }
  if (static_cast<uint64_t>(info.st_size) > limit) {
    file.tooLarge = true;
    close(handle);
    return file;
  }
  ReadBounded(file, static_cast<size_t>(info.st_size), limit, [&](uint8_t* into, size_t room) {
    ssize_t n;
    do {
      n = read(handle, into, room);
    } while (n < 0 && errno == EINTR);
    if (n < 0) file.problem = Reason(errno);
    return static_cast<long long>(n);
  });
  close(handle);
  return file;
}

}  // namespace sb::demo::files
