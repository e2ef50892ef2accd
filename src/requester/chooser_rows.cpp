// The chooser's rows: labels, markers and the row selected at first.
#include <string>

#include "ostrel3/project/utf8.h"
#include "requester/project_chooser.h"

namespace ostrel3 {

namespace {

std::u16string decimal(int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// A slot without a stored name is called after its number, as a new
// project is.
std::u16string slotName(int32_t slot) { return u"P " + decimal(slot + 1); }

}  // namespace

std::u16string ChooserRowLabel(int32_t slot, std::u16string_view name) {
  const int32_t number = slot + 1;
  std::u16string label;
  // "10" has no room for the leading mark; the others keep the numbers in line.
  if (number <= 9) label += kChooserNumberMark;
  label += decimal(number) + u' ';
  label += kChooserNumberMark;
  label += name;
  return label;
}

ChooserRows BuildChooserRows(int32_t currentSlot, std::u16string_view currentName, bool excludeCurrent,
                             const SlotSummaryReader& readSummary) {
  ChooserRows result;
  int32_t firstEmpty = -1;
  for (int32_t slot = 0; slot < kProjectSlots; ++slot) {
    if (excludeCurrent && slot == currentSlot) continue;
    const ProjectSummary summary = readSummary ? readSummary(slot) : ProjectSummary{};
    std::u16string name;
    if (summary.name.empty()) name = slotName(slot);
    else if (slot == currentSlot) name = currentName;
    else name = FromUtf8(summary.name);
    // An empty slot is one that holds no project; a project without a name
    // is still a project and is not offered as the free one.
    if (summary.empty && firstEmpty < 0) firstEmpty = static_cast<int32_t>(result.rows.size());
    result.rows.push_back(
        {ChooserRowLabel(slot, name), std::u16string(1, summary.empty ? kChooserNumberMark : kChooserUsedMark), slot});
  }
  if (excludeCurrent) result.initialRow = firstEmpty;
  else if (currentSlot >= 0 && currentSlot < kProjectSlots) result.initialRow = currentSlot;
  return result;
}

}  // namespace ostrel3
