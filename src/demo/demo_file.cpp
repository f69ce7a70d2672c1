#include "demo/demo_file.h"

#include "core/quoted.h"
#include "demo/file_system.h"

namespace sb::demo {

namespace {

std::string KindText(files::Kind kind) {
  switch (kind) {
    case files::Kind::Missing:
    case files::Kind::Regular:
      break;
    case files::Kind::Folder:
      return "is a folder";
    case files::Kind::SymbolicLink:
      return "is a symbolic link";
    case files::Kind::Device:
      return "is a device";
    case files::Kind::Fifo:
      return "is a FIFO";
    case files::Kind::Socket:
      return "is a socket";
    case files::Kind::Other:
      break;
  }
  return "is not a regular file";
}

// Why a demo may not be written at `path` as things stand, or "". Only a
// regular file is replaced; a symbolic link is not followed, since the file
// it names would be replaced by one in the link's folder.
std::string TargetProblem(const std::string& path) {
  if (files::EndsInSeparator(path)) return "names a folder, not a file";
  const files::Entry entry = files::Look(path);
  if (!entry.problem.empty()) return "cannot write (" + entry.problem + ")";
  if (entry.kind == files::Kind::Missing || entry.kind == files::Kind::Regular) return "";
  return KindText(entry.kind) + ", not a regular file";
}

}  // namespace

std::string DemoProblem(const std::string& path, const std::string& what) {
  return "spacebattle: demo " + Quoted(path) + ": " + what;
}

DecodeResult ReadDemoFile(const std::string& path) {
  DecodeResult result;
  const files::FileBytes file = files::ReadRegularFile(path, kMaxFileBytes);
  if (!file.problem.empty()) {
    result.error = "cannot open (" + file.problem + ")";
  } else if (file.kind != files::Kind::Regular) {
    result.error = KindText(file.kind) + ", not a demo file";
  } else if (file.tooLarge) {
    result.error = "too large to be a demo (over " + std::to_string(kMaxFileBytes >> 20) + " MiB)";
  } else {
    result = Decode(file.bytes);
  }
  if (!result.error.empty()) result.error = DemoProblem(path, result.error);
  return result;
}

std::string CheckWritable(const std::string& path) {
  std::string problem = TargetProblem(path);
  if (problem.empty()) {
    // Made and removed again: the demo's own file is made when it is written.
    const files::CreatedFile probe(path);
    if (!probe.problem().empty()) {
      problem = "cannot create a file in its folder (" + probe.problem() + ")";
    }
  }
  return problem.empty() ? "" : DemoProblem(path, problem);
}

std::string WriteDemoFile(const std::string& path, const Demo& demo) {
  files::CreatedFile file(path);
  if (!file.problem().empty()) {
    return DemoProblem(path, "cannot create a file in its folder (" + file.problem() + ")");
  }
  const std::string written = file.Write(Encode(demo));
  if (!written.empty()) return DemoProblem(path, "cannot write (" + written + ")");
  // The path was checked at start; what is there now may have changed.
  std::string problem = TargetProblem(path);
  if (problem.empty()) {
    const std::string moved = file.MoveTo(path);
    if (moved.empty()) return "";
    problem = "cannot replace it (" + moved + ")";
  }
  file.Keep();
  return DemoProblem(path, problem + "; the demo is left in " + Quoted(file.name()));
}

}  // namespace sb::demo
