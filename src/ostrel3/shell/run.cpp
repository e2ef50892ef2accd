// The run step: build the main object, open, run and close the panel as
// often as a rebuild is asked for, then tear everything down.
#include <exception>
#include <memory>

#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/entry.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

// Ends the run's main object on every way out, also after an exception, so
// that no host resource outlives the run and the playback callbacks never
// reach a dead object.
struct CurrentOperatorScope {
  std::unique_ptr<MulticamOperator> object;
  ~CurrentOperatorScope() {
    currentOperator.store(nullptr);
    object.reset();
  }
};

void runPanels(MulticamOperator& op, OperatorMsg* message, int32_t& result) {
  do {
    if (op.OpenPanel(message)) {
      result = 0;
      op.RunEventLoop();
      op.ClosePanel();
    } else {
      OS3_LOG(kLogFailed);
    }
  } while (op.restartRequested);
}

}  // namespace

int32_t RunOperator(OperatorMsg* message) {
  int32_t result = -1;
  try {
    CurrentOperatorScope scope;
    scope.object = std::make_unique<MulticamOperator>();
    currentOperator.store(scope.object.get());
    runPanels(*scope.object, message, result);
  } catch (const CMC_Error&) {
    OS3_LOG(kLogFailed);
  } catch (const std::exception&) {
    OS3_LOG(kLogFailed);
  } catch (...) {
    OS3_LOG(kLogFailed);
  }
  return result;
}

}  // namespace ostrel3
