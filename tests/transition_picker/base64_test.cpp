// Settings bytes survive the project file only if every length encodes and
// decodes exactly; a second encoder written bit by bit checks the first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "transition_picker/base64.h"

namespace {

using ostrel3::DecodeBase64;
using ostrel3::EncodeBase64;

std::vector<uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

// Independent of the product's grouping: a bit stream read six bits at a time.
std::string referenceEncode(const std::vector<uint8_t>& bytes) {
  const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::vector<bool> bits;
  for (uint8_t b : bytes)
    for (int i = 7; i >= 0; --i) bits.push_back((b >> i) & 1);
  while (bits.size() % 6 != 0) bits.push_back(false);
  std::string out;
  for (size_t i = 0; i < bits.size(); i += 6) {
    int v = 0;
    for (size_t k = 0; k < 6; ++k) v = v * 2 + (bits[i + k] ? 1 : 0);
    out += alphabet[static_cast<size_t>(v)];
  }
  while (out.size() % 4 != 0) out += '=';
  return out;
}

TEST(Base64, Rfc4648TestVectors) {
  const std::pair<const char*, const char*> vectors[] = {
      {"", ""},         {"f", "Zg=="},        {"fo", "Zm8="},         {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const auto& [plain, encoded] : vectors) {
    EXPECT_EQ(EncodeBase64(bytesOf(plain)), encoded) << plain;
    EXPECT_EQ(DecodeBase64(encoded), bytesOf(plain)) << encoded;
  }
}

TEST(Base64, EveryLengthUpTo64RoundTripsAndMatchesTheReference) {
  for (size_t length = 0; length <= 64; ++length) {
    std::vector<uint8_t> bytes(length);
    // Every byte value turns up somewhere, the high bit and zero included.
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(i * 97 + length * 31 + 0xF0);
    const std::string text = EncodeBase64(bytes);
    EXPECT_EQ(text, referenceEncode(bytes)) << "length " << length;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(DecodeBase64(text), bytes) << "length " << length;
  }
}

TEST(Base64, TextThatIsNotBase64DecodesToNothing) {
  for (const char* bad : {"Zg=", "Zg", "Z===", "Zm9v!A==", "Zg==Zg==", "=Zg=", "Zm9 v", "Zm9v\n", "Zg=a"})
    EXPECT_FALSE(DecodeBase64(bad).has_value()) << bad;
}

}  // namespace
