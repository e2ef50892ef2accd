#pragma once
// Notifications of the host's player, posted to the event loop's queue.
// The callbacks run on the host's player thread; they only post messages.
#include <cstdint>

#include "host/host_types.h"

namespace ostrel3 {

/// Removes every pending position notification from a queue and keeps all
/// other messages in their order, under the global critical section.
void PurgeQueue(MSG_Q_ID queue);

/// Posts a position (in frames) after dropping older position messages.
void PostPlayPosition(int32_t frame);
void PostPlayStopped();
void PostPlayCamera(int32_t camera, int32_t position);
void PostPlayStatus(int32_t kind, int32_t status);

/// The callbacks handed to the host when playback starts.
void PlayPositionCallback(int32_t frame);
void PlayEventCallback(int32_t kind, int32_t value);

}  // namespace ostrel3
