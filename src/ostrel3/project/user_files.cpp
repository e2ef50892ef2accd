// The file requester and the save to a file the user named.
#include "user_files.h"

#include <cstring>

#include "host/res.h"
#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {
constexpr int16_t kResultSize = 511;
constexpr int16_t kDefaultNameSize = 63;
}  // namespace

FileChoice AskForFile(const XCHAR* title, const char* directory, uint32_t mode, DefaultFileName& name) {
  char result[kResultSize + 1] = {};
  VREQ_FILE request{};
  request.title = title;
  request.directory = directory;
  request.defaultName = name.data();
  request.mode = mode;
  request.result = result;
  request.resultSize = kResultSize;
  request.defaultName2 = name.data();
  request.defaultNameSize = kDefaultNameSize;
  const int32_t status = vreqFileRequest(&request);
  // Whatever the host left there, the buffers end inside themselves.
  name.back() = '\0';
  result[kResultSize] = '\0';
  if (status != 0) return {FileAnswer::kFailed, {}};
  if (request.answer != 1) return {FileAnswer::kCancelled, {}};
  return {FileAnswer::kChosen, result};
}

bool SaveProjectCopy(MulticamOperator& op, const std::string& path) {
  try {
    const std::string text = ProjectText(op.CaptureProject(), *op.transitionsHook);
    return !text.empty() && WriteProjectFile(path, text);
  } catch (...) {
    OS3_LOG(kLogFailed);
    return false;
  }
}

std::u16string OperatorText(const MulticamOperator& op, int32_t id) {
  const XCHAR* text = resGetString(op.strings.get(), id);
  return text ? std::u16string(text) : std::u16string();
}

}  // namespace ostrel3
