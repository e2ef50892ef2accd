#pragma once
// The report after an import that could not bring everything over.
#include "ostrel3/project/project_import.h"

namespace ostrel3 {

class MulticamOperator;

/// Tells the user which clips were not found and whether cuts were dropped;
/// when the user does not keep the import, it is undone.
void ReportImport(MulticamOperator& op, const ImportNames& names, bool unmatched, bool dropped);

}  // namespace ostrel3
