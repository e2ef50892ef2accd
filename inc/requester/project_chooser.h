#pragma once
// The project chooser: a small modal request that lists the ten project
// slots of the host project, each with its number and name, and returns the
// slot the user picks. The rows are composed without the host, so that
// their labels and markers can be checked on their own.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_types.h"
#include "ostrel3/project/project_io.h"

namespace ostrel3 {

/// The host font's private characters of the chooser: a thin mark that
/// lines the numbers up (and marks an empty slot), and the mark of a slot
/// that holds a project.
inline constexpr char16_t kChooserNumberMark = 0xE004;
inline constexpr char16_t kChooserUsedMark = 0xE006;

/// One row of the chooser.
struct ChooserRow {
  std::u16string label;   ///< number, mark and name
  std::u16string marker;  ///< one character: empty or used
  int32_t slot = 0;       ///< 0..9
};

/// The rows in slot order and the row selected at first (-1: none).
struct ChooserRows {
  std::vector<ChooserRow> rows;
  int32_t initialRow = -1;
};

/// Reads the stored name and emptiness of a slot.
using SlotSummaryReader = std::function<ProjectSummary(int32_t slot)>;

/// The label of a slot showing `name`: slots 1 to 9 start with the number
/// mark so that their numbers line up with "10".
std::u16string ChooserRowLabel(int32_t slot, std::u16string_view name);

/// The rows of all ten slots; with excludeCurrent the current slot is left
/// out and the first empty slot is selected, otherwise the current one.
ChooserRows BuildChooserRows(int32_t currentSlot, std::u16string_view currentName, bool excludeCurrent,
                             const SlotSummaryReader& readSummary);

/// Runs the chooser: the slot picked, or -1 when the user cancels or closes
/// it. With excludeCurrent the current slot is never returned: a chooser
/// that cannot be shown or read then gives -1; otherwise it gives the
/// current slot.
int32_t ChooseProjectSlot(RES_STRINGS strings, int32_t currentSlot, std::u16string_view currentName,
                          bool excludeCurrent, const SlotSummaryReader& readSummary);

}  // namespace ostrel3
