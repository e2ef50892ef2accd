#pragma once
// One line of a session script as words, with the checks every statement
// needs; a failed check throws ScriptError with the line's number.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "hostsim/user/script.h"
#include "hostsim/user/script_lexer.h"

namespace hostsim::script {

/// The largest value a 32-bit word of a script line may take.
inline constexpr int64_t kWordMax = 0xFFFFFFFFll;

class Line {
 public:
  Line(int number, std::vector<Word> words) : number_(number), words_(std::move(words)) {}

  int number() const { return number_; }
  size_t size() const { return words_.size(); }
  const std::string& word(size_t i) const {
    if (i >= words_.size()) fail("expected more after \"" + words_.back().text + "\"");
    return words_[i].text;
  }
  bool isQuoted(size_t i) const { return i < words_.size() && words_[i].quoted; }
  bool is(size_t i, const char* text) const { return i < words_.size() && !words_[i].quoted && words_[i].text == text; }
  std::string quoted(size_t i, const char* what) const {
    if (i >= words_.size() || !words_[i].quoted) fail(std::string("expected ") + what + " in quotes");
    return words_[i].text;
  }
  int64_t number(size_t i, const char* what, int64_t min, int64_t max) const {
    if (i >= words_.size()) fail(std::string("expected ") + what);
    auto v = script::toNumber(words_[i].text);
    if (!v) fail(std::string("expected ") + what + ", found \"" + words_[i].text + "\"");
    if (*v < min || *v > max)
      fail(std::string(what) + " must lie between " + std::to_string(min) + " and " + std::to_string(max));
    return *v;
  }
  /// A number with or without decimals ("12.5", "-3", "1e3"), within min .. max.
  double decimal(size_t i, const char* what, double min, double max) const {
    if (i >= words_.size()) fail(std::string("expected ") + what);
    const std::string& w = words_[i].text;
    double v = 0;
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (words_[i].quoted || w.empty() || error != std::errc() || end != w.data() + w.size() || !std::isfinite(v))
      fail(std::string("expected ") + what + ", found \"" + w + "\"");
    if (v < min || v > max) {
      std::ostringstream bounds;
      bounds << what << " must lie between " << min << " and " << max;
      fail(bounds.str());
    }
    return v;
  }
  void end(size_t count) const {
    if (words_.size() > count) fail("unexpected \"" + words_[count].text + "\"");
  }
  [[noreturn]] void fail(const std::string& what) const { throw ScriptError(number_, what); }

 private:
  int number_;
  std::vector<Word> words_;
};

}  // namespace hostsim::script
