#pragma once
// The host's removable media: the chooser lists the media of the setup,
// each a folder under the home directory, and hands the one the user picks
// back in a record the host owns from init to exit. Calling thread only.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/main.h"
#include "hostsim/core/config.h"

namespace hostsim {

class Host;

/// Chooser state bits of the record.
inline constexpr uint32_t kMediumCancelled = 0x1;
inline constexpr uint32_t kMediumMustMount = 0x2;
inline constexpr uint32_t kMediumUnusable = 0x8;

class RemovableMedia {
 public:
  /// Makes every medium's folder (media/NAME under the home directory).
  explicit RemovableMedia(Host& host);

  /// The folder of a medium under a home directory.
  static std::filesystem::path folderOf(const std::filesystem::path& home, const std::string& name);

  MAIN_MEDIA* init();
  /// Shows the chooser and takes the user's answer: 0 when shown (the
  /// record's state says cancelled, unusable or must mount), -1 for a
  /// record the host did not hand out.
  int32_t choose(MAIN_MEDIA* record);
  /// 0 on success; -1 for a medium that refuses, or no medium chosen.
  int32_t mount(MAIN_MEDIA* record);
  /// 0 (also when nothing is mounted); -1 for an unknown record.
  int32_t unmount(MAIN_MEDIA* record);
  /// Releases the record (unmounting what is still mounted, logged).
  void exit(MAIN_MEDIA* record);

  /// Records not given back, as text.
  std::vector<std::string> liveHandles() const;

 private:
  struct Entry {
    std::unique_ptr<MAIN_MEDIA> record;
    int medium = -1;  ///< index into the setup's media; -1 before a choice
    bool mounted = false;
  };
  /// The live entry of a record, or null with a log line naming the call.
  Entry* find(MAIN_MEDIA* record, const char* call);
  int indexOf(const std::string& name) const;
  std::u16string offer() const;

  Host& host_;
  std::filesystem::path home_;
  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
};

}  // namespace hostsim
