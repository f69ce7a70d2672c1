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

// Lets the hooks finish (a recorder writes its demo) and reports what they
// could not do; the status becomes 1 if it was 0. The game object is then
// gone, as it would be after unwinding, before any error is shown.
int FinishHooks(BattleHooks* hooks, std::unique_ptr<Form1>& form, std::ostream& err, bool byError,
                int status) {
  std::string problem;
  if (hooks != nullptr && form != nullptr) problem = hooks->ProgramEnding(*form, byError);
  form.reset();
  if (problem.empty()) return status;
  err << problem << '\n';
  err.flush();
  return status == 0 ? 1 : status;
}

}  // namespace

int RunGame(Platform& platform, std::ostream& err, const GameSetup& setup) {
  BattleHooks* const hooks = setup.hooks;
  std::unique_ptr<Form1> form;
  try {
    ResetCrafts();
    form = std::make_unique<Form1>(platform);
    form->Hooks = hooks;
    form->Warnings = &err;
    form->FixedSeed = setup.seed;
    form->Form_Load();
    return FinishHooks(hooks, form, err, false, 0);
  } catch (const ProgramExit& e) {
    return FinishHooks(hooks, form, err, false, e.status);
  } catch (const GameError& e) {
    FinishHooks(hooks, form, err, true, 1);
    return ReportFatal(platform, err, e.Line());
  } catch (const std::bad_alloc&) {
    FinishHooks(hooks, form, err, true, 1);
    return ReportFatal(platform, err, "spacebattle: run-time error: out of memory");
  } catch (const std::exception& e) {
    // Nothing the game does throws these; a library that does still ends
    // the program with one line rather than an abort.
    FinishHooks(hooks, form, err, true, 1);
    return ReportFatal(platform, err, std::string("spacebattle: run-time error: ") + e.what());
  }
}

}  // namespace sb
