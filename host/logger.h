#pragma once
/// Host logger.
#include "host/host_types.h"

extern "C" {

/// Writes one line to the host's log.
/// level: 3 refusal, 4 failure, 6 notice. line/file: where the line comes from.
/// category: the caller's category word. text: the message text.
/// Any thread. Never fails visibly.
void loggerMessage(int32_t level, int32_t line, const char* file, uint32_t category, const char* text);

}
