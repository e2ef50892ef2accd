// scrub.wav: what the scrub engine played, so that a person can listen to
// it. A canonical 44-byte RIFF header and the pairs as played.
#include <array>
#include <fstream>

#include "hostsim/core/host.h"
#include "hostsim/media/media.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kChannels = 2;
constexpr uint16_t kBits = 16;
constexpr uint32_t kRate = ScrubEngine::kPairsPerSecond;

template <typename T>
void put(std::ofstream& out, T value) {
  std::array<char, sizeof(T)> bytes{};
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF);
  out.write(bytes.data(), bytes.size());
}

}  // namespace

bool writeScrubWav(Host& host, const std::filesystem::path& file) {
  const std::vector<int16_t> samples = host.media().scrub().playedSound();
  if (samples.empty()) return false;
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  std::ofstream out(file, std::ios::binary);
  out.write("RIFF", 4);
  put<uint32_t>(out, 36 + dataBytes);
  out.write("WAVE", 4);
  out.write("fmt ", 4);
  put<uint32_t>(out, 16);
  put<uint16_t>(out, kPcm);
  put<uint16_t>(out, kChannels);
  put<uint32_t>(out, kRate);
  put<uint32_t>(out, kRate * kChannels * kBits / 8);
  put<uint16_t>(out, kChannels * kBits / 8);
  put<uint16_t>(out, kBits);
  out.write("data", 4);
  put<uint32_t>(out, dataBytes);
  std::vector<char> data(dataBytes);
  for (size_t i = 0; i < samples.size(); ++i) {
    const auto s = static_cast<uint16_t>(samples[i]);
    data[2 * i] = static_cast<char>(s & 0xFF);
    data[2 * i + 1] = static_cast<char>(s >> 8);
  }
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

}  // namespace hostsim::program
