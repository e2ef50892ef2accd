#include "hostsim/user/script_operators.h"

#include <optional>

#include "hostsim/media/operators.h"

namespace hostsim::script {

namespace {

// Settings blocks of transitions are small records; a bigger number is a typo.
constexpr int64_t kMaxPrefsSize = 4096;

std::optional<std::vector<uint8_t>> hexBytes(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    int value = 0;
    for (char c : text.substr(i, 2)) {
      const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (digit < 0) return std::nullopt;
      value = value * 16 + digit;
    }
    bytes.push_back(static_cast<uint8_t>(value));
  }
  return bytes;
}

// The quoted words from `i` on, none of them empty.
std::vector<std::string> quotedRun(const Line& l, size_t& i, const char* what) {
  std::vector<std::string> texts;
  for (; i < l.size() && l.isQuoted(i); ++i) {
    if (l.word(i).empty()) l.fail(std::string(what) + " must not be empty");
    texts.push_back(l.word(i));
  }
  return texts;
}

void parseOptions(const Line& l, OperatorConfig& o) {
  for (size_t i = 3; i < l.size();) {
    if (l.is(i, "flags")) {
      o.flags = uint32_t(l.number(i + 1, "operator flags", 0, kWordMax)), i += 2;
    } else if (l.is(i, "prefs")) {
      o.prefsSize = int32_t(l.number(i + 1, "a settings size in bytes", 0, kMaxPrefsSize)), i += 2;
    } else if (l.is(i, "settings")) {
      o.settingNames = quotedRun(l, ++i, "a setting's name");
      if (o.settingNames.empty()) l.fail("expected the settings' names in quotes after settings");
    } else if (l.is(i, "defaults")) {
      auto bytes = hexBytes(l.word(i + 1));
      if (!bytes) l.fail("expected the default settings as hexadecimal bytes, found \"" + l.word(i + 1) + "\"");
      o.defaults = *bytes, i += 2;
    } else {
      l.fail("expected flags, prefs, settings or defaults, found \"" + l.word(i) + "\"");
    }
  }
}

}  // namespace

void parseOperator(const Line& l, HostConfig& c) {
  if (l.is(1, "none")) {
    l.end(2);
    c.operators.clear();
    return;
  }
  OperatorConfig o;
  o.path = l.word(1);
  if (l.isQuoted(1) || !validOperatorPath(o.path))
    l.fail("expected an operator path like transition/wipe, found \"" + o.path + "\"");
  o.name = l.quoted(2, "the operator's name");
  if (o.name.empty()) l.fail("the operator's name must not be empty");
  parseOptions(l, o);
  if (o.settingNames.size() > static_cast<size_t>(o.prefsSize))
    l.fail(std::to_string(o.settingNames.size()) + " setting names for " + std::to_string(o.prefsSize) +
           " bytes of settings");
  if (!o.defaults.empty() && o.defaults.size() != static_cast<size_t>(o.prefsSize))
    l.fail(std::to_string(o.defaults.size()) + " default bytes for " + std::to_string(o.prefsSize) + " bytes of settings");
  for (const OperatorConfig& other : c.operators)
    if (other.path == o.path) l.fail("operator " + o.path + " is set up twice");
  c.operators.push_back(std::move(o));
}

Answer parseOperatorsAnswer(const Line& l) {
  Answer a;
  a.kind = AnswerKind::Operators;
  size_t i = 2;
  a.texts = quotedRun(l, i, "an operator's name");
  l.end(i);
  return a;
}

Answer parseJingleAnswer(const Line& l) {
  Answer a;
  a.kind = AnswerKind::Jingle;
  size_t i = 2;
  a.texts = quotedRun(l, i, "a jingle's name");
  l.end(i);
  if (!a.texts.empty() && a.texts.size() != 2)
    l.fail("expected the jingle's file and image names in quotes (nothing to cancel)");
  return a;
}

}  // namespace hostsim::script
