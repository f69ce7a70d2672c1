#include "core/entry.h"

#include <memory>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>

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
  } catch (const std::exception& e) {
    // Nothing the game does throws these; a library that does still ends
    // the program with one line rather than an abort.
    return ReportFatal(platform, err, std::string("spacebattle: run-time error: ") + e.what());
  }
}

}  // namespace sb
