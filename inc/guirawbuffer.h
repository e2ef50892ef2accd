#pragma once
// An off-screen buffer of 16-bit pixels in which drawing code composes a
// strip before writing it to the screen in one piece.
#include <cstdint>
#include <memory>

class RawBuffer {
 public:
  RawBuffer() = default;
  RawBuffer(RawBuffer&&) noexcept = default;
  RawBuffer& operator=(RawBuffer&&) noexcept = default;
  RawBuffer(const RawBuffer&) = delete;
  RawBuffer& operator=(const RawBuffer&) = delete;

  /// Makes room for width x height pixels: keeps the buffer (and its
  /// contents) when the size is unchanged, else a new zeroed one. A size that
  /// cannot be had logs a failure and leaves an empty 0 x 0 buffer. Returns
  /// whether the buffer now has the size asked for.
  bool resize(int16_t width, int16_t height);

  /// The pixels, width() to a line; null while empty.
  uint16_t* pixels() { return pixels_.get(); }
  const uint16_t* pixels() const { return pixels_.get(); }
  int16_t width() const { return width_; }
  int16_t height() const { return height_; }

 private:
  std::unique_ptr<uint16_t[]> pixels_;
  int16_t width_ = 0;
  int16_t height_ = 0;
};
