// Entry of the operator module: the descriptor the host reads and the
// message function it calls.
#include <cstdint>

#include "host/main.h"
#include "host/op.h"
#include "ostrel3/shell/entry.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {
namespace {

const char kIdentification[] = "$Id: ostrel3.cpp 1 2026-12-08 09:00:00Z ostrel3-team $";

// Data for the host; the operator never reads it.
const uint32_t kHostTable[4] = {0x00660004u, 2u, 0x00670005u, 0u};

int32_t messageFunction(OperatorMsg* message) { return OperatorMessage(message); }

const OP_TAG kDescriptor[] = {
    {OP_TAG_KIND, 0x00401208u},
    {OP_TAG_API, 5u},
    {OP_TAG_MESSAGE_FN, reinterpret_cast<uintptr_t>(&messageFunction)},
    {OP_TAG_IDENT, reinterpret_cast<uintptr_t>(kIdentification)},
    {OP_TAG_FLAGS, 1u},
    {OP_TAG_TABLE, reinterpret_cast<uintptr_t>(kHostTable)},
    {OP_TAG_END, 0u},
};

}  // namespace

int32_t OperatorMessage(OperatorMsg* message) {
  if (!message) return 0;
  switch (message->code) {
    case OP_MSG_LENGTH:
      opSetLength(0, 0);
      return 0;
    case OP_MSG_RUN:
      return message->arg != 0 ? 0 : RunOperator(message);
    case OP_MSG_INIT:
      if (mainVersion(-1) < kMinimumHostVersion) {
        OS3_LOG(kLogRefused);
        return -1;
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace ostrel3

extern "C" const OP_TAG* GetOperatorInfo(void) { return ostrel3::kDescriptor; }
