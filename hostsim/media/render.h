#pragma once
// The render library: handles, the render and sound states of a handle,
// fields of the synthetic media as pictures and sound, recording times,
// and the video output monitor. Return values follow the host functions.
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "host/cm.h"
#include "host/op.h"
#include "hostsim/media/audio_blocks.h"
#include "hostsim/media/field_cache.h"
#include "hostsim/media/synthetic_picture.h"

namespace hostsim {

class Host;
class ImageStore;
class SourceCatalogue;

/// What the video output monitor shows last (cmDisplayImage).
struct OutputPicture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  ///< ARGB32, width x height
  int shown = 0;                 ///< pictures shown so far
};

class RenderLibrary {
 public:
  /// The monitor that shows the video output when three are connected.
  static constexpr int kOutputMonitor = 3;

  RenderLibrary(Host& host, const SourceCatalogue& sources, ImageStore& images);

  /// A new handle (the library has no close call).
  CM_HANDLE open();
  bool valid(CM_HANDLE render) const;

  int32_t framesPerSecond(CM_HANDLE render) const;  ///< -1 for a bad handle
  int32_t initRender(CM_HANDLE render);             ///< 0 or -1
  /// -1 for a bad handle or one whose rendering was not started.
  int32_t exitRender(CM_HANDLE render);
  bool rendering(CM_HANDLE render) const;
  int32_t initSound(CM_HANDLE render);  ///< 0 or -1
  int32_t exitSound(CM_HANDLE render);  ///< -1 when sound was not started

  /// Delivers a field into a planar image of the store: from the field cache
  /// when it was fetched lately at that size, else freshly painted. 0, or -1
  /// for a bad handle or image, or a field outside every media.
  int32_t getField(CM_HANDLE render, const OP_IMAGE* image, int32_t field);
  /// Paints field `field` of the media into a planar picture of any size,
  /// without the cache: played fields are seen once. False for a field
  /// outside every media or a picture that is not planar.
  bool paintField(int32_t field, const ImageView& target);
  /// 0, or -1 for a bad handle.
  int32_t visibleArea(CM_HANDLE render, int16_t& x0, int16_t& y0, int16_t& x1, int16_t& y1) const;
  /// Shows an image scaled to the output monitor. -1 unless three monitors
  /// are connected, or for a bad handle or image.
  int32_t display(CM_HANDLE render, const OP_IMAGE* image);
  /// The sound of a field, freed with releaseSound. Null for a handle whose
  /// sound was not started or a field outside every media.
  OP_AUDIO* fieldSound(CM_HANDLE render, int32_t field);
  bool releaseSound(OP_AUDIO* block);
  /// Recording start and end of the media at a field. 0 or -1.
  int32_t recordingTimes(CM_HANDLE render, int32_t field, CM_RECTIME& end, CM_RECTIME& start) const;

  OutputPicture output() const;
  const FieldCache& fieldCache() const { return fieldCache_; }
  std::vector<std::string> liveHandles() const { return sound_.liveHandles(); }

 private:
  struct HandleState {
    bool rendering = false;
    bool soundStarted = false;
  };

  Host& host_;
  const SourceCatalogue& sources_;
  ImageStore& images_;
  SyntheticPicture pictures_;
  FieldCache fieldCache_;
  AudioBlockStore sound_;
  mutable std::mutex mutex_;
  std::map<CM_HANDLE, HandleState> handles_;
  CM_HANDLE nextHandle_ = 0x0C000001u;
  OutputPicture output_;
};

}  // namespace hostsim
