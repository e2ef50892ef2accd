#include "hostsim/user/script_lexer.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace hostsim::script {

namespace {

// Reads a quoted text starting after the opening quote; returns the index
// after the closing quote.
size_t readQuoted(const std::string& line, size_t i, std::string& out) {
  for (; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') return i + 1;
    if (c == '\\') {
      if (++i >= line.size()) break;
      char e = line[i];
      out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
    } else {
      out += c;
    }
  }
  throw std::invalid_argument("a quoted text is not closed");
}

}  // namespace

std::vector<Word> splitLine(const std::string& line) {
  std::vector<Word> words;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == '#' && (words.empty() || i + 1 >= line.size() || std::isspace(static_cast<unsigned char>(line[i + 1])))) {
      break;  // a comment; "click #0x73" is a shortcut code, not a comment
    } else if (c == '"') {
      Word w{"", true};
      i = readQuoted(line, i + 1, w.text);
      words.push_back(std::move(w));
    } else {
      size_t end = i;
      while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
      words.push_back({line.substr(i, end - i), false});
      i = end;
    }
  }
  return words;
}

std::optional<int64_t> toNumber(const std::string& word) {
  if (word.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(word.c_str(), &end, 0);
  if (errno != 0 || end != word.c_str() + word.size()) {
    // Colours and codes above the signed range: try unsigned.
    errno = 0;
    const unsigned long long u = std::strtoull(word.c_str(), &end, 0);
    if (word[0] == '-' || errno != 0 || end != word.c_str() + word.size() || u > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<int64_t>(u);
  }
  return v;
}

}  // namespace hostsim::script
