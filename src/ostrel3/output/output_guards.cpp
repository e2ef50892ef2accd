#include "output_guards.h"

#include "host/main.h"
#include "host/nsl.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {
constexpr int32_t kSampleKind = 1;
}  // namespace

ActSceneSampleGuard::ActSceneSampleGuard() : saved_(mainGetActSceneSample(kSampleKind)) {}

ActSceneSampleGuard::~ActSceneSampleGuard() {
  if (saved_ != 0) mainSetActSceneSample(saved_, kSampleKind);
}

void UndoStep::open(const XCHAR* name) {
  opened_ = true;
  if (nslProjectUndoExtSeqStart(name) == -1) OS3_LOG(kLogFailed);
}

void UndoStep::close() {
  if (!opened_) return;
  opened_ = false;
  if (nslProjectUndoExtSeqEnd() == -1) OS3_LOG(kLogFailed);
}

bool PendingCopy::discard() {
  if (!record_) return true;
  if (nslDeleteAVRecord(record_) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  record_ = 0;
  return true;
}

}  // namespace ostrel3
