// The user's turn: when the operator waits on an empty queue, the user does
// the next step; with none left, the user closes the screen. Also the
// pictures of every new screen.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <exception>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/kernel/kernel.h"

namespace hostsim {

namespace {

constexpr uint32_t kMessageSize = sizeof(HOST_MESSAGE);

// "03-Project settings" -> a name every file system takes.
std::string fileNamePart(const std::u16string& title) {
  std::string out;
  for (char c : toUtf8(title)) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (std::isalnum(u) || c == '-' || c == '_') out += c;
    else if ((c == ' ' || c == '.') && !out.empty() && out.back() != '-') out += '-';
  }
  while (!out.empty() && out.back() == '-') out.pop_back();
  if (out.size() > 40) out.resize(40);
  return out.empty() ? "screen" : out;
}

}  // namespace

int32_t UserInput::receive(void* buffer, int32_t timeout, MSG_Q_ID queue) {
  // Like the host's, this receive leaves the caller's error code alone.
  const int32_t callerError = Kernel::error();
  const int32_t got = receiveMessage(buffer, timeout, queue);
  Kernel::setError(callerError);
  return got;
}

int32_t UserInput::receiveMessage(void* buffer, int32_t timeout, MSG_Q_ID queue) {
  Kernel& kernel = host_.kernel();
  if (!buffer || !kernel.queueExists(queue)) {
    fail(buffer ? "vgMsgQReceive2 on a queue that does not exist" : "vgMsgQReceive2 without a buffer");
    return -1;
  }
  const bool forever = timeout < 0;
  const uint64_t limit = kernel.clock().ticks() + (forever ? 0 : static_cast<uint64_t>(timeout));
  for (;;) {
    // What the host's tasks owe by now (the player's frames) comes before
    // anything the user does.
    settleTasks();
    const int32_t got = kernel.receive(queue, buffer, kMessageSize, 0);
    if (got >= 0) return got;
    if (!kernel.queueExists(queue)) return -1;
    const uint64_t now = kernel.clock().ticks();
    if (waitUntil_ && *waitUntil_ > now) {
      // The user waits: the operator runs on and gets what its tasks and
      // the player post.
      const uint64_t until = forever ? *waitUntil_ : std::min(*waitUntil_, limit);
      if (until <= now) return -1;
      if (const int32_t waited = waitForMessage(queue, buffer, until - now); waited >= 0) return waited;
      continue;
    }
    waitUntil_.reset();
    if (takeTurn()) continue;
    if (!forever) {
      if (limit <= now) return -1;
      if (const int32_t waited = waitForMessage(queue, buffer, limit - now); waited >= 0) return waited;
      continue;
    }
    if (!closeForUser(queue)) return -1;
  }
}

int32_t UserInput::waitForMessage(MSG_Q_ID queue, void* buffer, uint64_t ticks) {
  const auto limited = static_cast<int32_t>(std::min<uint64_t>(ticks, INT32_MAX));
  const int32_t got = host_.kernel().receive(queue, buffer, kMessageSize, limited);
  // The rest of what the tasks owe by now lines up behind it.
  if (got >= 0) settleTasks();
  return got;
}

void UserInput::settleTasks() {
  if (!host_.kernel().settleTasks() && !unsettledLogged_) {
    unsettledLogged_ = true;
    host_.log().host(4, "user: a host task keeps running; the user acts without waiting for it");
  }
}

bool UserInput::takeTurn() {
  shotIfNewScreens();
  User& user = host_.user();
  if (std::optional<UserStep> step = user.takeAction()) {
    closes_ = 0;
    gaveUp_ = false;
    if (step->waitTicks > 0) {
      host_.log().host(6, "user: " + step->description);
      waitUntil_ = host_.kernel().clock().ticks() + static_cast<uint64_t>(step->waitTicks);
      return true;
    }
    host_.log().host(6, "user: " + step->description);
    bool done = true;
    try {
      done = !step->action || step->action(host_);
    } catch (const std::exception& e) {
      host_.log().host(4, "user: " + step->description + ": " + e.what());
      done = false;
    }
    if (!done) {
      host_.log().host(4, "user: could not do " + step->description);
      if (step->stopsOnFailure) stopScript(step->description);
    }
    return true;
  }
  if (user.nextAnswerKind()) {
    std::optional<UserStep> dropped = user.dropNext();
    host_.log().host(4, "user: no request asked for " + (dropped ? dropped->description : std::string("an answer")) +
                            "; dropped");
    return true;
  }
  return false;
}

void UserInput::stopScript(const std::string& where) {
  host_.log().host(4, "user: the script stops at " + where);
  for (const UserStep& dropped : host_.user().stop(where))
    host_.log().host(4, "user: the script has stopped; not done: " + dropped.description);
}

// The user wants out. An operator window that ignores closing (some
// dialogs only listen to their own elements) gets its cancel element
// instead; after a few tries the user gives up rather than loop for ever.
bool UserInput::closeForUser(MSG_Q_ID queue) {
  if (gaveUp_) return false;
  if (++closes_ > kMaxCloses) {
    host_.log().host(4, "user: the operator keeps its screen open after " + std::to_string(kMaxCloses) +
                            " closes; giving up");
    gaveUp_ = true;
    return false;
  }
  VG_ELEMENT cancel = 0;
  {
    std::lock_guard lock(panels_.mutex_);
    for (const RequestRec* r : panels_.model_->requestsFrontFirst())
      if (r->queue == queue) {
        const ElementRec* e = panels_.model_->element(r->cancel);
        if (e && e->enabled && !e->beeping) cancel = r->cancel;
        break;
      }
  }
  if (closes_ % 2 == 0 && cancel) {
    host_.log().host(6, "user: nothing left to do; presses cancel");
    clickElement(cancel);
    return true;
  }
  host_.log().host(6, "user: nothing left to do; closes the screen");
  post(queue, HOST_MSG_CLOSE, 0);
  return true;
}

void UserInput::setScreenshotDir(const std::filesystem::path& dir) {
  shotDir_ = dir;
  if (dir.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) host_.log().host(4, "screenshots: cannot create " + dir.string() + ": " + ec.message());
}

void UserInput::shotIfNewScreens() {
  if (shotDir_.empty()) return;
  std::set<VG_PANEL> open;
  const RequestRec* newest = nullptr;
  std::lock_guard lock(panels_.mutex_);
  for (const RequestRec* r : panels_.model_->requestsFrontFirst()) {
    open.insert(r->root);
    if (!newest && !shotRoots_.count(r->root)) newest = r;
  }
  shotRoots_ = std::move(open);
  if (newest) saveShot(newest->monitor, newest->title);
}

void UserInput::modalShown(int32_t monitor, const std::u16string& title) {
  if (!shotDir_.empty()) saveShot(monitor, title);
}

void UserInput::saveShot(int32_t monitor, const std::u16string& title) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d-", ++shotCount_);
  const std::filesystem::path file = shotDir_ / (number + fileNamePart(title) + ".png");
  if (!host_.display().screen().savePng(monitor, file)) host_.log().host(4, "screenshots: could not write " + file.string());
}

bool UserInput::screenshot(int32_t monitor, const std::string& name) {
  if (name.empty()) return fail("a screenshot needs a name");
  std::filesystem::path file(name);
  if (!file.has_extension()) file += ".png";
  if (file.is_relative()) file = (shotDir_.empty() ? host_.config().home : shotDir_) / file;
  if (!host_.display().screen().validMonitor(monitor)) return fail("no monitor " + std::to_string(monitor) + " to picture");
  if (!host_.display().screen().savePng(monitor, file)) return fail("could not write " + file.string());
  return true;
}

}  // namespace hostsim
