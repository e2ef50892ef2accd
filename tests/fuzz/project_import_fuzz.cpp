// Importing a project file made in another host project: whatever the file
// holds and whatever the user answers, the model stays consistent and every
// cut it took lies on the timeline; the frame conversion keeps a frame at
// the same rate and never grows one when the rate drops.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_host.h"
#include "fuzz_operator.h"
#include "hostsim/core/user.h"
#include "ostrel3/project/project_import.h"

namespace {

using ostrel3_fuzz::Require;

void checkConversion(const uint8_t* data, size_t size) {
  if (size < sizeof(int32_t)) return;
  int32_t frame = 0;
  std::memcpy(&frame, data, sizeof frame);
  // The current rate is always a whole number of frames a second.
  for (const double rate : {24.0, 25.0, 30.0, 50.0, 60.0}) {
    Require(ostrel3::ConvertFrame(frame, rate, rate) == frame, "a frame at the same rate stays");
    const std::optional<int32_t> down = ostrel3::ConvertFrame(frame, rate, rate * 2);
    Require(down && (*down == 0 || (*down > 0) == (frame > 0)), "halving the rate keeps the sign");
    Require(std::abs(int64_t{*down}) <= std::abs(int64_t{frame}), "halving the rate never grows a frame");
  }
}

void checkRate(std::string_view text) {
  const std::string terminated(text);
  const std::optional<double> rate = ostrel3::ParseFrameRate(terminated.c_str());
  Require(!rate || (std::isfinite(*rate) && *rate > 0), "a usable rate is finite and above zero");
}

// The user's answers to the questions an import may ask (clips found by
// name, the report): 0 cancels, 1 takes the first button, 2 the second.
void queueAnswers(size_t size) {
  hostsim::User& user = ostrel3_fuzz::FuzzHost().user();
  user.addAnswer({hostsim::AnswerKind::Text, static_cast<int64_t>(size % 3), ""});
  user.addAnswer({hostsim::AnswerKind::Text, static_cast<int64_t>(size / 3 % 3), ""});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkConversion(data, size);
  checkRate(bytes.substr(0, 64));

  ostrel3::MulticamOperator& op = ostrel3_fuzz::FreshOperator();
  const std::string path = ostrel3_fuzz::WriteHomeFile("import.info", bytes);
  queueAnswers(size);
  op.ImportProjectFile(path.c_str());
  ostrel3_fuzz::DropPendingAnswers();
  ostrel3_fuzz::RequireConsistentModel(op);
  for (const auto& [frame, camera] : op.cutList) {
    Require(frame >= 0, "an imported cut is not before the start");
    Require(frame == 0 || frame <= op.LastFrame(), "an imported cut is not beyond the end");
    Require(camera < op.sceneCount, "an imported cut names a camera in use");
  }
  return 0;
}
