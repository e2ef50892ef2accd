// Correlation by real FFT: the chunk's spectrum is taken once, then each
// block of the target costs one forward and one inverse transform.
extern "C" {
#include <libavutil/tx.h>
}

#include <algorithm>
#include <stdexcept>

#include "auto_sync_parts.h"

namespace ostrel3::autosync {

TxHolder::TxHolder(int size, bool inverse) {
  const float scale = inverse ? 1.0f / float(size) : 1.0f;
  av_tx_fn fn = nullptr;
  // Vectors guarantee less alignment than the SIMD code wants by default.
  if (av_tx_init(&context_, &fn, AV_TX_FLOAT_RDFT, inverse ? 1 : 0, size, &scale, AV_TX_UNALIGNED) < 0) {
    context_ = nullptr;
  }
  fn_ = fn;
}

TxHolder::~TxHolder() { av_tx_uninit(&context_); }

void TxHolder::run(float* out, float* in, ptrdiff_t stride) const { fn_(context_, out, in, stride); }

BlockCorrelator::BlockCorrelator()
    : forward_(kSize, false),
      inverse_(kSize, true),
      chunkSpectrum_(kSize + 2),
      block_(kSize),
      spectrum_(kSize + 2),
      out_(kSize) {
  if (!valid()) throw std::runtime_error("no FFT of the envelope's size");
}

void BlockCorrelator::setChunk(const std::vector<float>& chunk) {
  length_ = std::min<int64_t>(static_cast<int64_t>(chunk.size()), kSize / 2);
  std::fill(block_.begin(), block_.end(), 0.0f);
  std::copy_n(chunk.begin(), length_, block_.begin());
  forward_.run(chunkSpectrum_.data(), block_.data(), sizeof(float));
}

const std::vector<float>& BlockCorrelator::correlate(const Envelope& target, int64_t from) {
  const int64_t available = std::clamp<int64_t>(target.size() - from, 0, kSize);
  std::fill(block_.begin(), block_.end(), 0.0f);
  std::copy_n(target.values.begin() + from, available, block_.begin());
  forward_.run(spectrum_.data(), block_.data(), sizeof(float));
  // Target times the conjugate of the chunk: the correlation's spectrum.
  for (int i = 0; i <= kSize / 2; ++i) {
    const float cr = chunkSpectrum_[2 * i], ci = chunkSpectrum_[2 * i + 1];
    const float tr = spectrum_[2 * i], ti = spectrum_[2 * i + 1];
    spectrum_[2 * i] = tr * cr + ti * ci;
    spectrum_[2 * i + 1] = ti * cr - tr * ci;
  }
  // The inverse steps over complex values.
  inverse_.run(out_.data(), spectrum_.data(), 2 * sizeof(float));
  return out_;
}

}  // namespace ostrel3::autosync
