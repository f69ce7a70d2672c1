// Windows: the C runtime's descriptor calls on wide-character paths, and
// MoveFileExW to replace a file in one step.
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/utf8_path.h"
#include "demo/bounded_read.h"
#include "demo/file_system.h"

namespace sb::demo::files {

namespace {

constexpr int kNameAttempts = 100;

std::string Reason(int error) {
  return std::strerror(error);
}

std::string SystemReason(DWORD error) {
  char text[256] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, error, 0, text, sizeof text, nullptr);
  std::string out(text, n);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.')) {
    out.pop_back();
  }
  return out.empty() ? "system error " + std::to_string(error) : out;
}

std::wstring Wide(const std::string& path) {
  return Utf8Path(path).wstring();
}

}  // namespace

Entry Look(const std::string& path) {
  Entry entry;
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
      entry.problem = SystemReason(error);
    }
    return entry;
  }
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    entry.kind = Kind::SymbolicLink;
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    entry.kind = Kind::Folder;
  } else if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) {
    entry.kind = Kind::Device;
  } else {
    entry.kind = Kind::Regular;
  }
  return entry;
}

bool EndsInSeparator(const std::string& path) {
  return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

CreatedFile::CreatedFile(const std::string& beside) {
  // _O_EXCL: the name is ours only if nothing had it.
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name_ = beside + "." + std::to_string(_getpid()) + "-" + std::to_string(attempt) + ".tmp";
    handle_ = _wopen(Wide(name_).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                     _S_IREAD | _S_IWRITE);
    if (handle_ >= 0) return;
    if (errno != EEXIST) break;
  }
  problem_ = Reason(errno);
  remove_ = false;
}

CreatedFile::~CreatedFile() {
  if (handle_ >= 0) _close(handle_);
  if (remove_) _wunlink(Wide(name_).c_str());
}

std::string CreatedFile::Write(const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const unsigned chunk = static_cast<unsigned>(std::min<size_t>(bytes.size() - done, 1u << 30));
    const int n = _write(handle_, bytes.data() + done, chunk);
    if (n <= 0) return Reason(n < 0 ? errno : ENOSPC);
    done += static_cast<size_t>(n);
  }
  const int synced = _commit(handle_);
  const int syncError = errno;
  const int closed = _close(handle_);
  handle_ = -1;
  if (synced != 0) return Reason(syncError);
  if (closed != 0) return Reason(errno);
  return "";
}

std::string CreatedFile::MoveTo(const std::string& target) {
  if (!MoveFileExW(Wide(name_).c_str(), Wide(target).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return SystemReason(GetLastError());
  }
  remove_ = false;
  return "";
}

FileBytes ReadRegularFile(const std::string& path, size_t limit) {
  FileBytes file;
  const Entry entry = Look(path);
  if (!entry.problem.empty()) {
    file.problem = entry.problem;
    return file;
  }
  if (entry.kind == Kind::Missing) {
    file.problem = Reason(ENOENT);
    return file;
  }
  // A link is followed, as on other systems: what it leads to must be a file.
  struct _stat64 info {};
  if (_wstat64(Wide(path).c_str(), &info) != 0) {
    file.problem = Reason(errno);
    return file;
  }
  if ((info.st_mode & _S_IFMT) == _S_IFDIR) file.kind = Kind::Folder;
  if ((info.st_mode & _S_IFMT) != _S_IFREG || entry.kind == Kind::Device) {
    if (file.kind == Kind::Regular) file.kind = Kind::Other;
    if (entry.kind == Kind::Device) file.kind = Kind::Device;
    return file;
  }
  if (static_cast<uint64_t>(info.st_size) > limit) {
    file.tooLarge = true;
    return file;
  }
  const int handle = _wopen(Wide(path).c_str(), _O_RDONLY | _O_BINARY);
  if (handle < 0) {
    file.problem = Reason(errno);
    return file;
  }
  ReadBounded(file, static_cast<size_t>(info.st_size), limit, [&](uint8_t* into, size_t room) {
    const int n = _read(handle, into, static_cast<unsigned>(std::min<size_t>(room, 1u << 30)));
    if (n < 0) file.problem = Reason(errno);
    return static_cast<long long>(n);
  });
  _close(handle);
  return file;
}

}  // namespace sb::demo::files
