// Operations the event loop already dispatches to but whose work arrives
// later (the dialogs). They do nothing until then; those that report a
// result report that nothing was done.
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

bool MulticamOperator::ProjectSettingsDialog() { return false; }

}  // namespace ostrel3
