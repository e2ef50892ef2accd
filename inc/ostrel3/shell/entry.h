#pragma once
// The operator as the host sees it: the descriptor and the message function.
#include "host/op.h"

#define OSTREL3_EXPORT __attribute__((visibility("default")))

/// The descriptor tag list; the same address on every call.
extern "C" OSTREL3_EXPORT const OP_TAG* GetOperatorInfo(void);

namespace ostrel3 {

/// Host version a host must exceed for the operator to initialise.
inline constexpr int32_t kMinimumHostVersion = 921;

/// The message function: 0 handled or ignored, -1 refused or failed.
int32_t OperatorMessage(OperatorMsg* message);

/// The run step: 0 if the panel opened at least once, otherwise -1.
int32_t RunOperator(OperatorMsg* message);

}  // namespace ostrel3
