#pragma once
// Sound blocks handed out by the render library (cmGetFieldAudio) until the
// caller frees them with opFreeAudio.
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/op.h"

namespace hostsim {

class AudioBlockStore {
 public:
  AudioBlockStore();
  ~AudioBlockStore();

  /// A new block holding the interleaved pairs.
  OP_AUDIO* add(std::vector<int16_t> samples);
  /// False for a block this store did not hand out (or already freed).
  bool release(OP_AUDIO* block);
  std::vector<std::string> liveHandles() const;

 private:
  struct Block;
  mutable std::mutex mutex_;
  std::map<const OP_AUDIO*, std::unique_ptr<Block>> blocks_;
};

}  // namespace hostsim
