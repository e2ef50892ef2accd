#pragma once
/// Host message queues. Any thread may call these.
#include "host/host_types.h"

/// Time-outs are in ticks (see tickGet).
#define HOST_NO_WAIT 0
#define HOST_WAIT_FOREVER (-1)
/// Send priorities.
#define HOST_MSG_PRI_NORMAL 0
#define HOST_MSG_PRI_URGENT 1 ///< the message goes to the front of the queue
/// Error codes left by a failed call (read with errnoGet).
#define HOST_ERR_TIMEOUT 0x3D0004     ///< a wait ran out
#define HOST_ERR_UNAVAILABLE 0x3D0002 ///< nothing there and no wait allowed
#define HOST_ERR_DELETED 0x3D0003     ///< the queue was deleted while waiting
#define HOST_ERR_INVALID 0x3D0001     ///< bad handle or argument

extern "C" {

/// Creates a queue for at most maxMessages messages of at most maxLength bytes.
/// Returns the queue id, 0 on failure.
MSG_Q_ID msgQCreate(int32_t maxMessages, int32_t maxLength, int32_t options);

/// Deletes a queue; waiting tasks wake with HOST_ERR_DELETED. 0 or -1.
int32_t msgQDelete(MSG_Q_ID queue);

/// Sends size bytes; waits up to timeout ticks while the queue is full
/// (0: no wait, -1: no limit). priority HOST_MSG_PRI_URGENT puts the message
/// at the front. 0 or -1 (error code set).
int32_t msgQSend(MSG_Q_ID queue, const void* buffer, uint32_t size, int32_t timeout, int32_t priority);

/// Receives the next message into buffer (at most size bytes are copied);
/// waits up to timeout ticks. Returns the bytes received, or -1 with the
/// error code set (HOST_ERR_TIMEOUT when the wait ran out).
int32_t msgQReceive(MSG_Q_ID queue, void* buffer, uint32_t size, int32_t timeout);

/// Number of waiting messages, -1 for a bad queue.
int32_t msgQNumMsgs(MSG_Q_ID queue);

/// The calling thread's last error code.
int32_t errnoGet(void);

}
