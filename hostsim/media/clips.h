#pragma once
// The clips (AV records) of the host project: the scene bin, made from the
// configuration and owned by the host, and the copies and split-off pieces
// that callers make and must delete.
//
// A clip is a contiguous stretch of one media, frames [mediaStart,
// mediaStart + total - 1], with trim points counted from the clip's first
// frame (0 <= in <= out < total). Handles are 32-bit and never reused.
// Return values follow the host functions (0, -1, null on failure).
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_types.h"

namespace hostsim {

class HostLog;
class SourceCatalogue;
class UniqueIds;
struct MediaSource;

/// A snapshot of a clip, for tests and the host program.
struct ClipInfo {
  AV_RECORD handle = 0;
  const MediaSource* source = nullptr;
  int32_t mediaStart = 0;  ///< first frame of the clip within its media
  int32_t total = 0;       ///< frames of the clip
  int32_t in = 0, out = 0;
  std::u16string name;
  uint32_t uid = 0;
  bool inBin = false;      ///< a clip of the scene bin, owned by the host
};

class ClipStore {
 public:
  /// Longest name a clip may have, in 16-bit characters.
  static constexpr size_t kMaxNameLength = 255;

  ClipStore(const SourceCatalogue& sources, UniqueIds& ids, HostLog& log);

  /// A new caller-owned clip with the same media, trims and name. 0 on failure.
  AV_RECORD copy(AV_RECORD source);
  /// Deletes a caller-owned clip. Clips of the bin belong to the host and are
  /// never deleted: -1, as for an unknown handle.
  int32_t remove(AV_RECORD clip);
  int32_t trimmedLength(AV_RECORD clip) const;  ///< -1 for a bad clip
  int32_t totalLength(AV_RECORD clip) const;    ///< -1 for a bad clip
  /// The current trim points; false for a bad clip.
  bool trimPoints(AV_RECORD clip, int32_t& in, int32_t& out) const;
  /// New trim points; -1 unless 0 <= in <= out < total.
  int32_t setTrim(AV_RECORD clip, int32_t in, int32_t out);
  /// A new caller-owned clip of frames 0..n; `clip` keeps frames n+1.. counted
  /// from 0 again. Trim points are moved into each piece and clamped there.
  /// 0 (and `clip` unchanged) unless 0 <= n < total - 1 and `clip` is the
  /// caller's: a clip of the bin is the project's and keeps its frames.
  AV_RECORD split(AV_RECORD clip, int32_t n);
  uint32_t uniqueId(AV_RECORD clip) const;  ///< 0 for a bad clip
  /// The clip's name; valid until the clip is renamed or deleted. Null for a bad clip.
  const char16_t* name(AV_RECORD clip) const;
  /// 0, or -1 for a bad clip, a null name or one longer than kMaxNameLength.
  int32_t rename(AV_RECORD clip, const char16_t* name);
  /// Global frame of trimmed frame `frame`; -1 outside 0 .. trimmed length - 1.
  int32_t frameOffset(AV_RECORD clip, int32_t frame) const;

  /// Walks the bin in its order; 0 at the end (or for a clip not in the bin).
  AV_RECORD first() const;
  AV_RECORD next(AV_RECORD clip) const;
  /// The bin clip with this unique id, 0 when none.
  AV_RECORD findInBin(uint32_t uid) const;
  /// The first bin clip with this name, 0 when none.
  AV_RECORD findInBinByName(std::u16string_view name) const;
  /// The names of every clip: the bin's and the callers' copies and pieces.
  std::vector<std::u16string> names() const;
  /// Whether any clip, of the bin or a caller's, has this name. Kept as an
  /// index, so that naming thousands of copies costs no walk over them all.
  bool hasName(std::u16string_view name) const;
  /// How many clips there are.
  size_t count() const;

  std::optional<ClipInfo> info(AV_RECORD clip) const;
  /// Every clip: the bin in its order, then the callers' clips in the order
  /// they were made.
  std::vector<ClipInfo> all() const;
  /// Caller-owned clips still alive, as text.
  std::vector<std::string> liveHandles() const;

 private:
  struct Clip {
    const MediaSource* source = nullptr;
    int32_t mediaStart = 0, total = 0, in = 0, out = 0;
    std::u16string name;
    uint32_t uid = 0;
    bool inBin = false;
  };
  Clip* find(AV_RECORD clip);
  const Clip* find(AV_RECORD clip) const;
  AV_RECORD add(Clip clip);
  void countName(const std::u16string& name, int delta);

  mutable std::mutex mutex_;
  UniqueIds& ids_;
  HostLog& log_;
  std::map<AV_RECORD, Clip> clips_;
  std::map<std::u16string, int, std::less<>> nameCounts_;
  std::vector<AV_RECORD> bin_;
  AV_RECORD nextHandle_ = 0x0A000001u;
};

}  // namespace hostsim
