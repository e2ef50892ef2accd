#pragma once
// The synchronisation dialog as the synchronise command sees it: one modal
// run over a filled SyncParams block.
#include "sync_requester/sync_params.h"

namespace ostrel3 {

/// Shows the dialog over `params` and returns when the user closes it, with
/// the results in the block: true. False when the dialog could not be shown;
/// the block is then unchanged.
bool RunSyncDialog(SyncParams& params);

}  // namespace ostrel3
