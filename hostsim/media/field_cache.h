#pragma once
// The render library's cache of decoded fields. A host hands out the fields
// it decoded last from memory; the stand-in keeps the last few painted
// fields of every media, so that fetching a field again costs one copy and
// not a paint. Memory is bounded twice: a few fields a media, and a byte
// budget over all media.
#include <cstddef>
#include <cstdint>
#include <list>
#include <mutex>
#include <vector>

#include "hostsim/media/pixels.h"

namespace hostsim {

/// Names a painted field: its media, frame and parity, and the picture size
/// it was painted at (the same field painted at another size differs).
struct FieldKey {
  int media = 0;  ///< MediaSource::index
  int32_t frame = 0;
  int parity = 0;
  int width = 0, height = 0;
  bool operator==(const FieldKey&) const = default;
};

/// Least recently used fields, per media and in total. Any thread.
class FieldCache {
 public:
  static constexpr size_t kFieldsPerMedia = 4;
  /// Room for four high-definition fields of each of six cameras and more.
  static constexpr size_t kMaxBytes = size_t(64) << 20;

  explicit FieldCache(size_t fieldsPerMedia = kFieldsPerMedia, size_t maxBytes = kMaxBytes);

  /// Copies the kept field into `target`, a planar 4:2:0 picture of the key's
  /// size; false (and `target` untouched) when the field is not kept.
  bool fetch(const FieldKey& key, const ImageView& target);
  /// Keeps a copy of a field just painted into `painted`. The media's least
  /// recently used field goes when it has too many, then the least recently
  /// used fields of all media while the budget is exceeded. A field larger
  /// than the whole budget is not kept.
  void keep(const FieldKey& key, const ImageView& painted);

  size_t fields() const;  ///< fields kept
  size_t bytes() const;   ///< bytes of the kept fields
  size_t hits() const;    ///< fetches answered so far
  /// Fields kept of one media.
  size_t fieldsOf(int media) const;

 private:
  struct Entry {
    FieldKey key;
    std::vector<uint8_t> planes;  ///< Y, then U, then V, rows without padding
  };
  void dropOldestOf(int media);
  void dropOldestWhileOverBudget();

  const size_t fieldsPerMedia_;
  const size_t maxBytes_;
  mutable std::mutex mutex_;
  std::list<Entry> entries_;  ///< most recently used first
  size_t bytes_ = 0;
  size_t hits_ = 0;
};

/// Bytes of a planar 4:2:0 picture without row padding.
size_t planarBytes(int width, int height);

}  // namespace hostsim
