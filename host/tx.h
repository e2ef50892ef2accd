#pragma once
/// Host transition requester: lets the user pick a jingle (a file and the
/// picture that names it). Calling thread only.
#include "host/host_types.h"

typedef uint32_t TX_REQUEST;

extern "C" {

TX_REQUEST txAllocRequest(int32_t kind);      ///< 0 on failure
int32_t txRequest(TX_REQUEST request, int32_t flags); ///< 0 when shown
int32_t txGetStatus(TX_REQUEST request);      ///< 1 confirmed
int32_t txGetFileName(TX_REQUEST request, char* buffer, int32_t size);    ///< 0 on success
int32_t txGetImageName(TX_REQUEST request, XCHAR* buffer, int32_t size);  ///< 0 on success
void txFreeRequest(TX_REQUEST request);

}
