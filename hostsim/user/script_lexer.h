#pragma once
// Splits a script line into words: bare words, "quoted texts" with \" \\ \n
// escapes, and numbers in decimal or 0x hexadecimal.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hostsim::script {

struct Word {
  std::string text;
  bool quoted = false;
};

/// Words of a line. A # starts a comment at the start of a line or when a
/// blank follows it. Throws std::invalid_argument.
std::vector<Word> splitLine(const std::string& line);

/// A whole number (decimal, 0x hex, optional sign); nullopt when the word is not one.
std::optional<int64_t> toNumber(const std::string& word);

}  // namespace hostsim::script
