#include "hostsim/media/audio_blocks.h"

namespace hostsim {

struct AudioBlockStore::Block {
  OP_AUDIO record{};
  std::vector<int16_t> samples;
};

AudioBlockStore::AudioBlockStore() = default;
AudioBlockStore::~AudioBlockStore() = default;

OP_AUDIO* AudioBlockStore::add(std::vector<int16_t> samples) {
  auto block = std::make_unique<Block>();
  block->samples = std::move(samples);
  block->record.samples = block->samples.data();
  block->record.pairs = static_cast<int32_t>(block->samples.size() / 2);
  OP_AUDIO* handle = &block->record;
  std::lock_guard lock(mutex_);
  blocks_.emplace(handle, std::move(block));
  return handle;
}

bool AudioBlockStore::release(OP_AUDIO* block) {
  std::lock_guard lock(mutex_);
  return blocks_.erase(block) == 1;
}

std::vector<std::string> AudioBlockStore::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const auto& [record, block] : blocks_)
    out.push_back("sound block of " + std::to_string(block->samples.size() / 2) + " pairs");
  return out;
}

}  // namespace hostsim
