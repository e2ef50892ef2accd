// The archives and removable media commands, until their work arrives: each
// does nothing and reports that nothing was brought in.
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::ExportProjectToMedium() {}
bool MulticamOperator::ImportProjectFromMedium() { return false; }
bool MulticamOperator::ArchivesCommand() { return false; }

}  // namespace ostrel3
