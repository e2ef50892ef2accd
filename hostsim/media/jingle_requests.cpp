#include "hostsim/media/jingle_requests.h"

#include <algorithm>
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"

namespace hostsim {

namespace {

std::string handleText(TX_REQUEST r) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", r);
  return text;
}

}  // namespace

JingleRequests::JingleRequests(Host& host) : host_(host) {}

TX_REQUEST JingleRequests::allocate(int32_t kind) {
  if (kind != kJingle) {
    host_.log().host(4, "txAllocRequest: the host offers no request of kind " + std::to_string(kind));
    return 0;
  }
  std::lock_guard lock(mutex_);
  Record r;
  r.handle = nextHandle_++;
  r.kind = kind;
  records_.push_back(r);
  return r.handle;
}

JingleRequests::Record* JingleRequests::find(TX_REQUEST request, const char* call) {
  return const_cast<Record*>(static_cast<const JingleRequests*>(this)->find(request, call));
}

const JingleRequests::Record* JingleRequests::find(TX_REQUEST request, const char* call) const {
  for (const Record& r : records_)
    if (r.handle == request && !r.freed) return &r;
  host_.log().host(4, std::string(call) + ": no request " + handleText(request));
  return nullptr;
}

int32_t JingleRequests::show(TX_REQUEST request) {
  {
    std::lock_guard lock(mutex_);
    if (!find(request, "txRequest")) return -1;
  }
  // The box is modal: the user's answer is taken while it shows.
  const std::optional<Answer> answer =
      host_.panels().chooserRequest(AnswerKind::Jingle, u"Jingle", u"Choose the jingle's sound file and picture.");
  std::lock_guard lock(mutex_);
  Record* r = find(request, "txRequest");
  if (!r) return -1;
  r->shown = true;
  r->status = 0;
  r->file.clear();
  r->image.clear();
  if (answer && answer->texts.size() == 2) {
    r->status = 1;
    r->file = answer->texts[0];
    r->image = fromUtf8Lossy(answer->texts[1]);
  }
  return 0;
}

int32_t JingleRequests::status(TX_REQUEST request) const {
  std::lock_guard lock(mutex_);
  const Record* r = find(request, "txGetStatus");
  return r ? r->status : -1;
}

bool JingleRequests::canCopy(const Record* r, size_t length, bool buffer, int32_t size, const char* call) const {
  if (!r) return false;
  if (r->status != 1) {
    host_.log().host(4, std::string(call) + ": nothing was chosen");
    return false;
  }
  if (!buffer || size <= 0 || length >= static_cast<size_t>(size)) {
    host_.log().host(4, std::string(call) + ": the name (" + std::to_string(length) +
                            " characters and the terminator) does not fit a buffer of " + std::to_string(size));
    return false;
  }
  return true;
}

int32_t JingleRequests::fileName(TX_REQUEST request, char* buffer, int32_t size) const {
  std::lock_guard lock(mutex_);
  const Record* r = find(request, "txGetFileName");
  if (!canCopy(r, r ? r->file.size() : 0, buffer != nullptr, size, "txGetFileName")) return -1;
  std::copy(r->file.begin(), r->file.end(), buffer);
  buffer[r->file.size()] = 0;
  return 0;
}

int32_t JingleRequests::imageName(TX_REQUEST request, XCHAR* buffer, int32_t size) const {
  std::lock_guard lock(mutex_);
  const Record* r = find(request, "txGetImageName");
  if (!canCopy(r, r ? r->image.size() : 0, buffer != nullptr, size, "txGetImageName")) return -1;
  std::copy(r->image.begin(), r->image.end(), buffer);
  buffer[r->image.size()] = 0;
  return 0;
}

void JingleRequests::release(TX_REQUEST request) {
  std::lock_guard lock(mutex_);
  if (Record* r = find(request, "txFreeRequest")) r->freed = true;
}

std::vector<JingleRequests::Record> JingleRequests::history() const {
  std::lock_guard lock(mutex_);
  return records_;
}

std::vector<std::string> JingleRequests::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const Record& r : records_)
    if (!r.freed) out.push_back("jingle request " + handleText(r.handle));
  return out;
}

}  // namespace hostsim
