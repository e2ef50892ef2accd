// The GUI's receive hands over to the user when the queue is empty.
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"

namespace hostsim {

int32_t Panels::receive(void* buffer, int32_t timeout, MSG_Q_ID queue) { return input_->receive(buffer, timeout, queue); }

}  // namespace hostsim
