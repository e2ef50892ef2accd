// The trimmed copy of a camera's clip behind one insert.
#include <array>

#include "host/main.h"
#include "host/nsl.h"
#include "ostrel3/output/segment_window.h"
#include "ostrel3/output/storyboard_output.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {

void DeleteOrLog(AV_RECORD record) {
  if (nslDeleteAVRecord(record) == -1) OS3_LOG(kLogFailed);
}

/// The copy, owned until handed to the caller.
class OwnedCopy {
 public:
  explicit OwnedCopy(AV_RECORD record) : record_(record) {}
  ~OwnedCopy() {
    if (record_) DeleteOrLog(record_);
  }
  OwnedCopy(const OwnedCopy&) = delete;
  OwnedCopy& operator=(const OwnedCopy&) = delete;
  AV_RECORD get() const { return record_; }
  /// Puts `piece` in place of the copy, which goes.
  void replaceWith(AV_RECORD piece) {
    DeleteOrLog(record_);
    record_ = piece;
  }
  AV_RECORD handOver() {
    const AV_RECORD r = record_;
    record_ = 0;
    return r;
  }

 private:
  AV_RECORD record_;
};

std::u16string NameFor(AV_RECORD clip) {
  const XCHAR* name = nslGetAVRecordName(clip);
  if (!name) OS3_LOG(kLogFailed);
  return SegmentClipName(name ? name : u"");
}

void GiveName(AV_RECORD copy, const std::u16string& wanted) {
  std::array<XCHAR, kClipNameChars + 1> name{};
  wanted.copy(name.data(), kClipNameChars);
  if (mainMakeUniqueName(1, name.data(), name.data(), static_cast<int32_t>(kClipNameChars)) == -1)
    OS3_LOG(kLogFailed);
  if (nslSetAVRecordName(copy, name.data()) == -1) OS3_LOG(kLogFailed);
}

}  // namespace

AV_RECORD CopySegmentClip(AV_RECORD clip, int32_t start, int32_t end, int32_t handle) {
  OwnedCopy copy(nslCopyAVRecord(clip, 0));
  if (!copy.get()) {
    OS3_LOG(kLogFailed);
    return 0;
  }
  const std::u16string name = NameFor(clip);
  const int32_t length = nslGetTrimmedAVRecordLength(copy.get());
  int32_t in = 0, out = 0;
  if (nslBeginAVRecordTrim(copy.get(), &in, &out) != 0) {
    OS3_LOG(kLogFailed);
    return 0;
  }
  SegmentWindow window = WindowOf(in, length, start, end);
  if (const int32_t drop = HeadFramesToDrop(window, handle); drop > 0) {
    // The copy keeps the frames after the split; the piece before goes.
    // A refused split keeps the whole copy: the trim below still selects
    // the segment, only with more material around it.
    if (const AV_RECORD head = nslSplitAVRecord(copy.get(), drop - 1)) {
      window = AfterHeadDropped(window, drop);
      DeleteOrLog(head);
    } else {
      OS3_LOG(kLogFailed);
    }
  }
  if (const int32_t point = TailSplitPoint(window, handle); point >= 0) {
    // The piece split off holds the segment; the rest of the copy goes.
    if (const AV_RECORD head = nslSplitAVRecord(copy.get(), point)) {
      copy.replaceWith(head);
    } else {
      OS3_LOG(kLogFailed);
    }
  }
  if (nslEndAVRecordTrim(copy.get(), window.first, window.last) == -1) {
    OS3_LOG(kLogFailed);
    return 0;
  }
  GiveName(copy.get(), name);
  return copy.handOver();
}

}  // namespace ostrel3
