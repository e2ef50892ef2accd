#include "hostsim/media/playback_record.h"

#include <algorithm>

namespace hostsim {

namespace {

bool samePair(const CM_OUTPUT_PAIR& a, const CM_OUTPUT_PAIR& b) { return a.start == b.start && a.clip == b.clip; }

void apply(std::vector<CM_OUTPUT_PAIR>& list, const OutputListRecord& change) {
  std::vector<CM_OUTPUT_PAIR> next;
  next.reserve(change.sameHead + change.middle.size() + change.sameTail);
  next.insert(next.end(), list.begin(), list.begin() + static_cast<ptrdiff_t>(change.sameHead));
  next.insert(next.end(), change.middle.begin(), change.middle.end());
  next.insert(next.end(), list.end() - static_cast<ptrdiff_t>(change.sameTail), list.end());
  list = std::move(next);
}

}  // namespace

void PlaybackRecord::addOutputList(const CM_OUTPUT_PAIR* first, size_t limit) {
  size_t count = 0;
  while (first && count < limit && first[count].clip) ++count;
  OutputListRecord change;
  const size_t common = std::min(count, lastList_.size());
  while (change.sameHead < common && samePair(first[change.sameHead], lastList_[change.sameHead])) ++change.sameHead;
  while (change.sameTail < common - change.sameHead &&
         samePair(first[count - 1 - change.sameTail], lastList_[lastList_.size() - 1 - change.sameTail]))
    ++change.sameTail;
  if (count > 0) change.middle.assign(first + change.sameHead, first + (count - change.sameTail));
  outputLists.push_back(std::move(change));
  // Copied into the capacity the last list left: no allocation once warm.
  if (count > 0) lastList_.assign(first, first + count);
  else lastList_.clear();
}

std::vector<CM_OUTPUT_PAIR> PlaybackRecord::outputListPairs(size_t index) const {
  std::vector<CM_OUTPUT_PAIR> list;
  for (size_t i = 0; i <= index && i < outputLists.size(); ++i) apply(list, outputLists[i]);
  return list;
}

std::vector<std::vector<CM_OUTPUT_PAIR>> PlaybackRecord::allOutputListPairs() const {
  std::vector<std::vector<CM_OUTPUT_PAIR>> all;
  std::vector<CM_OUTPUT_PAIR> list;
  for (const OutputListRecord& change : outputLists) {
    apply(list, change);
    all.push_back(list);
  }
  return all;
}

}  // namespace hostsim
