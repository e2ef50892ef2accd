#pragma once
// A stand-in host whose operator directory holds a few transitions, with
// helpers to answer its requesters and to read their results.
#include <string>
#include <vector>

#include "host/host.h"
#include "hostsim/media/media.h"
#include "panels_fixture.h"

namespace ostrel3_test {

class OperatorsTest : public GuiTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = GuiTest::makeConfig();
    c.operators = {
        {"transition/wipe", "Wipe", 0x4, 4, {"Softness", "Border"}, {0x20, 0x04, 0x00, 0xFF}},
        {"transition/dissolve", "Dissolve", 0, 2, {}, {}},
        {"transition/iris", "Iris", 0, 0, {}, {}},
        {"transition/addon_cube", "Cube", 0x4, 1, {}, {}},
        {"effect/blur", "Blur", 0, 1, {}, {}},
        {"transition/star", "Star", 0, 8, {"Points", "Spin", "Softness", "Border width", "Glow"}, {}},
    };
    return c;
  }

  hostsim::OperatorDirectory& directory() { return host().media().operators(); }

  void answerOperators(std::vector<std::string> names) {
    hostsim::Answer a;
    a.kind = hostsim::AnswerKind::Operators;
    a.texts = std::move(names);
    host().user().addAnswer(a);
  }
  void answerJingle(std::vector<std::string> texts) {
    hostsim::Answer a;
    a.kind = hostsim::AnswerKind::Jingle;
    a.texts = std::move(texts);
    host().user().addAnswer(a);
  }

  /// The names the operator requester handed back, up to the terminator.
  static std::vector<std::string> namesOf(const char* const* names) {
    std::vector<std::string> out;
    for (; names && *names; ++names) out.push_back(*names);
    return out;
  }
};

}  // namespace ostrel3_test
