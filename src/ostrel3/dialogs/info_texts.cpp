#include "ostrel3/dialogs/info_texts.h"

#include <algorithm>

namespace ostrel3 {

namespace {

std::u16string cut(std::u16string text, size_t chars) {
  if (text.size() > chars) text.resize(chars);
  return text;
}

}  // namespace

std::u16string DecimalText(int32_t value, size_t width) {
  const std::string digits = std::to_string(value);
  std::u16string text(digits.begin(), digits.end());
  if (text.size() < width) text.insert(0, width - text.size(), u' ');
  return text;
}

int32_t CutsToCamera(const CutList& cuts, int32_t camera) {
  return static_cast<int32_t>(
      std::count_if(cuts.begin(), cuts.end(), [camera](const CutList::value_type& e) { return e.second == camera; }));
}

int32_t CutsAwayFromFirstCamera(const CutList& cuts) {
  return static_cast<int32_t>(cuts.size()) - CutsToCamera(cuts, 0);
}

std::u16string InfoTitleLine(std::u16string_view editorName, std::string_view version) {
  std::u16string text(editorName);
  text += u" - v";
  text.append(version.begin(), version.end());
  return cut(std::move(text), kInfoTitleChars);
}

std::u16string InfoProjectText(int32_t slot, std::u16string_view name) {
  return DecimalText(slot + 1, 2) + u':' + kNumberMark + std::u16string(name);
}

std::u16string InfoCameraLine(int32_t camera, std::optional<std::u16string_view> clipName) {
  std::u16string text = kNumberMark + DecimalText(camera, 2) + u':' + kNumberMark;
  if (clipName) text += *clipName;
  else text.append(3, kNoClipMark);
  return cut(std::move(text), kInfoCameraLineChars);
}

std::u16string ProjectTitleText(int32_t slot, std::u16string_view name) {
  // Six characters at most: a two-digit number has no room for the leading mark.
  const bool oneDigit = slot + 1 >= 0 && slot + 1 <= 9;
  std::u16string text = oneDigit ? std::u16string(1, kNumberMark) : std::u16string();
  text += DecimalText(slot + 1, 2) + u':' + kNumberMark;
  return text + std::u16string(name);
}

}  // namespace ostrel3
