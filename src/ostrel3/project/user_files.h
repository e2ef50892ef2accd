#pragma once
// What the archives and media commands share: asking the user for a file
// in the host's file requester, and saving the project to the file chosen.
#include <array>
#include <cstdint>
#include <string>

#include "host/host_types.h"

namespace ostrel3 {

class MulticamOperator;

/// File requester modes.
inline constexpr uint32_t kFileLoad = 1;
inline constexpr uint32_t kFileSave = 2;
inline constexpr uint32_t kFileDelete = 3;
inline constexpr uint32_t kFileChooseOnMedium = 0x10001;
inline constexpr uint32_t kFileSaveOnMedium = 0x10002;

/// The name the file requester offers, kept between requests.
using DefaultFileName = std::array<char, 64>;

enum class FileAnswer { kChosen, kCancelled, kFailed };

struct FileChoice {
  FileAnswer answer = FileAnswer::kCancelled;
  std::string path;  ///< as the requester handed it back
};

/// The host's file requester over `directory` in `mode`.
FileChoice AskForFile(const XCHAR* title, const char* directory, uint32_t mode, DefaultFileName& name);

/// Writes the project to a file the user named. Unlike the slot file it is
/// written even when no camera has a clip: the user asked for that file.
/// The old file is replaced in one step; false (logged) on failure.
bool SaveProjectCopy(MulticamOperator& op, const std::string& path);

/// A resource string of the operator; empty when the set lacks it.
std::u16string OperatorText(const MulticamOperator& op, int32_t id);

}  // namespace ostrel3
