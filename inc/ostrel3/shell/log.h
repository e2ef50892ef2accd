#pragma once
// The operator's log line: the information is in the level, the source line
// and the source file; the text is always a single space.
#include "host/logger.h"

namespace ostrel3 {

/// Category word of every log line of the operator.
inline constexpr uint32_t kLogCategory = 0x520F0000;

/// Log levels: refusals, failures, notices.
enum LogLevel : int32_t { kLogRefused = 3, kLogFailed = 4, kLogNotice = 6 };

inline void logLine(int32_t level, int32_t line, const char* file) {
  loggerMessage(level, line, file, kLogCategory, " ");
}

}  // namespace ostrel3

/// Writes a log line of `level` for the current source line.
#define OS3_LOG(level) ::ostrel3::logLine((level), __LINE__, __FILE_NAME__)
