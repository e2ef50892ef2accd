#pragma once
// The host's transition requester (the tx calls): the user picks a jingle,
// a sound file and the picture that names it. Requests are host handles
// from txAllocRequest to txFreeRequest. Calling thread only; the dumps read
// every request made.
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "host/host_types.h"
#include "host/tx.h"

namespace hostsim {

class Host;

class JingleRequests {
 public:
  /// The one kind of request the host offers: a jingle.
  static constexpr int32_t kJingle = 1;

  explicit JingleRequests(Host& host);

  TX_REQUEST allocate(int32_t kind);
  /// Shows the requester and takes the user's answer: 0 when shown (also
  /// when the user cancelled), -1 for a request that does not exist.
  int32_t show(TX_REQUEST request);
  /// 1 after an answer, 0 before one or when cancelled, -1 for no request.
  int32_t status(TX_REQUEST request) const;
  /// The chosen names into the caller's buffer of `size` characters, the
  /// terminator included. -1, with nothing written, when nothing was chosen
  /// or the name does not fit.
  int32_t fileName(TX_REQUEST request, char* buffer, int32_t size) const;
  int32_t imageName(TX_REQUEST request, XCHAR* buffer, int32_t size) const;
  void release(TX_REQUEST request);

  /// One request as the dumps show it.
  struct Record {
    TX_REQUEST handle = 0;
    int32_t kind = 0;
    bool shown = false;
    int32_t status = 0;
    std::string file;
    std::u16string image;
    bool freed = false;
  };
  /// Every request made, in order, freed ones too.
  std::vector<Record> history() const;
  std::vector<std::string> liveHandles() const;

 private:
  /// The live request, or null with a log line naming the call.
  Record* find(TX_REQUEST request, const char* call);
  const Record* find(TX_REQUEST request, const char* call) const;
  /// Checks a get call: an answered request and a buffer the name fits.
  bool canCopy(const Record* r, size_t length, bool buffer, int32_t size, const char* call) const;

  Host& host_;
  mutable std::mutex mutex_;
  std::vector<Record> records_;  ///< by allocation order
  TX_REQUEST nextHandle_ = 0x0D000001u;
};

}  // namespace hostsim
