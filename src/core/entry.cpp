#include "core/entry.h"

#include <memory>
#include <new>
#include <ostream>

#include "core/form1.h"

namespace sb {

namespace {

int ReportFatal(Platform& platform, std::ostream& err, const std::string& line) {
  err << line << '\n';
  err.flush();
  platform.window().ShowFatalMessage(line);
  platform.window().ReleaseDevice();
  return 1;
}

}  // namespace

int RunGame(Platform& platform, std::ostream& err) {
  try {
    ResetCrafts();
    auto form = std::make_unique<Form1>(platform);
    form->Form_Load();
    return 0;
  } catch (const ProgramExit& e) {
    return e.status;
  } catch (const GameError& e) {
    return ReportFatal(platform, err, e.Line());
  } catch (const std::bad_alloc&) {
    return ReportFatal(platform, err, "spacebattle: run-time error: out of memory");
  }
}

}  // namespace sb
