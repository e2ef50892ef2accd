#pragma once
// Reading a project file that was made in another host project, perhaps at
// another frame rate: the parts an import takes from it, and the frame
// conversion. Needs no host (problems are logged).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ostrel3/project/project_document.h"

namespace ostrel3 {

/// One cut point as an imported file holds it.
struct ImportPoint {
  std::optional<int32_t> tc;  ///< frame at the file's rate; nullopt when it does not fit
  int32_t cam = 0;            ///< camera index; -1 when it does not fit
};

/// What an import takes from a project file.
struct ImportDocument {
  std::optional<double> fps;          ///< the file's frame rate when it is usable
  std::optional<int32_t> sceneCount;
  std::vector<SceneRecord> scenes;    ///< in document order, cam = position, at most eight
  std::optional<std::vector<ImportPoint>> points;
};

/// The clip names and source ranges an import looks for, camera by camera,
/// and the names the cameras hold afterwards.
struct ImportNames {
  std::array<std::u16string, kCameraSlots> fileNames;
  std::array<int32_t, kCameraSlots> origIn;
  std::array<int32_t, kCameraSlots> origOut;
  std::array<std::u16string, kCameraSlots> currentNames;
  ImportNames() {
    origIn.fill(-1);
    origOut.fill(-1);
  }
};

/// A frame rate written as decimal text; nullopt unless it is a finite
/// number above 0 (the import then keeps the current rate).
std::optional<double> ParseFrameRate(const char* text);

/// `value` frames at `fileRate` in frames at `currentRate`, truncated
/// towards zero; nullopt when the result does not fit 32 bits.
std::optional<int32_t> ConvertFrame(int32_t value, double currentRate, double fileRate);

/// The parts of a parsed project an import uses; nullopt (logged) when the
/// root is missing. Scenes beyond the eighth are dropped with a log line.
std::optional<ImportDocument> ReadImportXml(const tinyxml2::XMLDocument& document);

}  // namespace ostrel3
