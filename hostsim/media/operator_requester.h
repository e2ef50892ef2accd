#pragma once
// The host's operator requester: the user picks one or more operators of
// the "transition/" folder. What it hands back is the host's memory, valid
// until the next request. Calling thread only; the dumps read its history.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace hostsim {

class Host;
class OperatorDirectory;

/// The folder the requester offers, and the prefix its answers leave off.
inline constexpr const char* kTransitionFolder = "transition/";

class OperatorRequester {
 public:
  OperatorRequester(Host& host, const OperatorDirectory& directory);

  /// mainSelectOperatorRequesterMulti: shows the requester starting at
  /// `lastPath` (may be null) and takes the user's answer. *names receives
  /// a null-terminated array of the chosen names relative to the folder.
  /// Returns their number; 0 when cancelled or answered with names the
  /// folder lacks (a mistake of the script, logged); -1 without `names`.
  int32_t choose(const char* const** names, const char* lastPath);

  /// One request as the dumps show it.
  struct Record {
    std::optional<std::string> startPath;  ///< what it was offered to start at
    std::vector<std::string> chosen;       ///< the names handed back
    int32_t result = 0;
    std::string note;                      ///< why it handed back nothing
  };
  std::vector<Record> history() const;

 private:
  /// The operators the requester offers, by their names in the folder.
  std::vector<std::string> offered() const;
  std::u16string message(const std::vector<std::string>& offer, const std::optional<std::string>& start) const;
  /// Why the answer cannot be handed back; empty when it can.
  std::string refusal(const std::vector<std::string>& answer, const std::vector<std::string>& offer) const;
  int32_t finish(const char* const** names, Record record);

  Host& host_;
  const OperatorDirectory& directory_;
  mutable std::mutex mutex_;
  std::vector<std::string> chosen_;   ///< the strings of the array handed out
  std::vector<const char*> array_;    ///< the array handed out, null-terminated
  std::vector<Record> history_;
};

}  // namespace hostsim
