// A clip's sound as log energy per 2.5 ms. The log makes a camera's gain an
// offset that the mean removal takes away; the floor keeps digital silence
// from dominating the correlation with huge negative values.
#include <algorithm>
#include <cmath>

#include "auto_sync_parts.h"

namespace ostrel3::autosync {

namespace {
constexpr double kEnergyFloor = 10.0;  // about -80 dB of full scale
// A window needs this share of samples 10 dB above the floor to be matched.
constexpr double kAudibleShare = 0.2;
constexpr int64_t kFinishPerStep = 1 << 18;  // envelope samples finished a step
// A second whose envelope moves less than this share of the clip's median
// second is dead.
constexpr double kDeadShare = 0.15;
constexpr int64_t kSecond = static_cast<int64_t>(kEnvelopeRate);
const float kAudibleRise = static_cast<float>(std::log(10.0));
}  // namespace

EnvelopeReader::EnvelopeReader(SoundSource* source, double framesPerSecond) : source_(source) {
  frames_ = source ? std::max(source->frameCount(), 0) : 0;
  framesPerStep_ = std::max(1, static_cast<int>(std::lround(framesPerSecond * kReadSeconds)));
  done_ = frames_ == 0;
  envelope_.quiet = static_cast<float>(std::log(kEnergyFloor));
  // Room for the whole clip at once: growing a long envelope copies it all.
  if (framesPerSecond > 1.0) envelope_.values.reserve(size_t(double(frames_) / framesPerSecond * kEnvelopeRate) + 2);
}

bool EnvelopeReader::step() {
  if (done_) {
    const float mean = envelope_.values.empty() ? 0.0f : static_cast<float>(total_ / double(envelope_.size()));
    return envelope_.finishSome(mean, kFinishPerStep);
  }
  const int32_t last = std::min(frames_ - 1, next_ + framesPerStep_ - 1);
  buffer_.clear();
  const bool ok = source_->appendFrames(next_, last, buffer_);
  consume(buffer_);
  next_ = last + 1;
  // A failed read keeps the sound before it: its positions are still right.
  done_ = !ok || next_ >= frames_;
  return true;
}

double EnvelopeReader::progress() const { return done_ || frames_ == 0 ? 1.0 : double(next_) / frames_; }

void EnvelopeReader::consume(const std::vector<int16_t>& pairs) {
  const size_t count = pairs.size() / 2;
  for (size_t i = 0; i < count; ++i) {
    const int64_t left = pairs[2 * i], right = pairs[2 * i + 1];
    energy_ += left * left + right * right;
    if (++pairs_ == kPairsPerSample) {
      const double power = double(energy_) / (2.0 * kPairsPerSample);
      const float value = static_cast<float>(std::log(power + kEnergyFloor));
      envelope_.values.push_back(value);
      total_ += value;
      energy_ = 0;
      pairs_ = 0;
    }
  }
}

Envelope EnvelopeReader::take() { return std::move(envelope_); }

bool Envelope::finishSome(float mean, int64_t count) {
  if (sums.empty()) {
    sums.reserve(values.size() + 1);
    squares.reserve(values.size() + 1);
    sums.push_back(0.0);
    squares.push_back(0.0);
    quiet -= mean;
  }
  const int64_t first = static_cast<int64_t>(sums.size()) - 1;
  const int64_t end = std::min(size(), first + count);
  for (int64_t i = first; i < end; ++i) {
    const float v = values[i] -= mean;
    sums.push_back(sums.back() + v);
    squares.push_back(squares.back() + double(v) * v);
  }
  if (end < size()) return true;
  markDeadSeconds();
  return false;
}

void Envelope::markDeadSeconds() {
  const int64_t seconds = size() / kSecond;
  deadSeconds.assign(size_t(seconds), 0);
  if (seconds < 2) return;
  std::vector<double> movement(static_cast<size_t>(seconds));
  for (int64_t s = 0; s < seconds; ++s) movement[size_t(s)] = spread(s * kSecond, kSecond);
  std::vector<double> sorted = movement;
  std::nth_element(sorted.begin(), sorted.begin() + seconds / 2, sorted.end());
  const double threshold = kDeadShare * sorted[size_t(seconds / 2)];
  for (int64_t s = 0; s < seconds; ++s) deadSeconds[size_t(s)] = movement[size_t(s)] < threshold ? 1 : 0;
}

bool Envelope::touchesDead(int64_t first, int64_t length) const {
  if (length <= 0) return false;
  const int64_t from = std::max<int64_t>(0, first / kSecond);
  const int64_t to = std::min<int64_t>(int64_t(deadSeconds.size()) - 1, (first + length - 1) / kSecond);
  for (int64_t s = from; s <= to; ++s)
    if (deadSeconds[size_t(s)]) return true;
  return false;
}

double Envelope::spread(int64_t first, int64_t length) const {
  const double s = sums[first + length] - sums[first];
  const double q = squares[first + length] - squares[first];
  return std::sqrt(std::max(0.0, q - s * s / double(length)));
}

bool Envelope::audible(int64_t i) const { return values[i] > quiet + kAudibleRise; }

bool Envelope::silent(int64_t first, int64_t length) const {
  int64_t loud = 0;
  for (int64_t i = first; i < first + length; ++i) loud += audible(i) ? 1 : 0;
  return double(loud) < kAudibleShare * double(length);
}

int64_t AudibleTogether(const Envelope& a, const Envelope& b, int64_t shift) {
  const int64_t first = std::max<int64_t>(0, -shift);
  const int64_t end = std::min(a.size(), b.size() - shift);
  int64_t together = 0;
  for (int64_t i = first; i < end; ++i) together += a.audible(i) && b.audible(i + shift) ? 1 : 0;
  return together;
}

}  // namespace ostrel3::autosync
