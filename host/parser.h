#pragma once
/// The host's input parser: which input context has the keys.
#include "host/host_types.h"

extern "C" {

/// Reports the screen in front. *screen: the parser id of the screen in
/// front (an operator's ids carry 0x520F0000 in their high half); *overlay:
/// non-zero while a host overlay (on-screen keyboard, text entry) holds the
/// keys. Returns the low byte of the screen's id, -1 on failure. Any thread.
int32_t parserGetCurrentScreen(uint32_t* screen, uint32_t* overlay);

}
