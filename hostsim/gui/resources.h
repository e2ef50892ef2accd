#pragma once
// The host's resource sets (numbered strings and images), read from the
// host's resource directory (see resource_files.h for the layout). Each load
// makes a handle of its own that lives until it is freed.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_types.h"

struct VG_IMAGE;

namespace hostsim {

class Host;

class Resources {
 public:
  explicit Resources(Host& host);
  ~Resources();
  Resources(const Resources&) = delete;
  Resources& operator=(const Resources&) = delete;

  /// Where the sets are read from.
  std::filesystem::path directory() const;

  /// A set's strings; 0 when the set or its strings file is missing.
  RES_STRINGS loadStrings(std::string_view setName);
  /// False for a handle that is not an open string set.
  bool freeStrings(RES_STRINGS strings);
  /// Text of an id: "" for an id the set lacks, null for a bad handle.
  /// Valid until the set is freed.
  const char16_t* string(RES_STRINGS strings, int32_t id) const;

  /// A set's images; 0 when the set or its images folder is missing.
  RES_IMAGES loadImages(std::string_view setName);
  bool freeImages(RES_IMAGES images);
  /// Image at its own size; null when missing or for a bad handle.
  VG_IMAGE* image(RES_IMAGES images, int32_t id) const;
  /// Image scaled to width x height, made once per size and owned by the set;
  /// 0 x 0 is the image's own size, one 0 keeps its proportions.
  VG_IMAGE* scaledImage(RES_IMAGES images, int32_t id, int16_t width, int16_t height);
  /// True for an image of an open set (at any size).
  bool ownsImage(const VG_IMAGE* image) const;

  /// Sets loaded and not freed, as text.
  std::vector<std::string> liveHandles() const;

 private:
  struct State;
  Host& host_;
  std::unique_ptr<State> state_;
};

}  // namespace hostsim
