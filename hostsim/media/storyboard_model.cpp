#include "hostsim/media/storyboard_model.h"

#include <algorithm>

namespace hostsim {

int32_t SbClip::headHandle() const { return std::clamp(in - first, 0, std::max(0, handleLimit)); }
int32_t SbClip::tailHandle() const { return std::clamp(last - out, 0, std::max(0, handleLimit)); }

SbClip keptClip(uint32_t uid, uint32_t mediaUid, std::u16string name, int32_t mediaStart, int32_t total, int32_t in,
                int32_t out, int32_t limit) {
  SbClip c;
  c.uid = uid;
  c.mediaUid = mediaUid;
  c.name = std::move(name);
  c.handleLimit = std::max(0, limit);
  c.in = mediaStart + in;
  c.out = mediaStart + out;
  // Widened so that a large limit cannot overflow past the media's ends.
  c.first = static_cast<int32_t>(std::max<int64_t>(mediaStart, int64_t(c.in) - c.handleLimit));
  c.last = static_cast<int32_t>(std::min<int64_t>(int64_t(mediaStart) + total - 1, int64_t(c.out) + c.handleLimit));
  return c;
}

int32_t SbScene::audioOffset(const SbAudio& a) const {
  if (a.followsInsert && insert) return insert->offset;
  return a.offset;
}

int32_t totalLength(const SbScenes& scenes) {
  int64_t sum = 0;
  for (const SbScene& s : scenes) sum += s.length();
  return static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX));
}

int32_t positionOf(const SbScenes& scenes, size_t index) {
  int64_t sum = 0;
  for (size_t i = 0; i < index && i < scenes.size(); ++i) sum += scenes[i].length();
  return static_cast<int32_t>(std::min<int64_t>(sum, INT32_MAX));
}

std::optional<size_t> indexOf(const SbScenes& scenes, uint32_t id) {
  for (size_t i = 0; i < scenes.size(); ++i)
    if (scenes[i].id == id) return i;
  return std::nullopt;
}

namespace {

bool continuationFollows(const SbScenes& scenes, size_t index) {
  const SbScene& s = scenes[index];
  return s.continuation != 0 && index + 1 < scenes.size() && scenes[index + 1].id == s.continuation;
}

// The piece split off scene `index` is taken back whole: its frames, audio,
// transition and type go to the scene before it.
void absorbContinuation(SbScenes& scenes, size_t index) {
  SbScene& a = scenes[index];
  SbScene b = std::move(scenes[index + 1]);
  for (SbAudio& au : b.audio) {
    au.offset += a.length();
    a.audio.push_back(std::move(au));
  }
  a.clip.out = b.clip.out;
  a.type = b.type;
  a.transition = std::move(b.transition);
  a.continuation = 0;
  scenes.erase(scenes.begin() + static_cast<std::ptrdiff_t>(index) + 1);
}

// The frames from `at` on become a new scene after scene `index`.
void splitScene(SbScenes& scenes, size_t index, int32_t at, uint32_t freshId) {
  SbScene& a = scenes[index];
  SbScene b;
  b.id = freshId;
  b.type = a.type;
  b.clip = a.clip;
  b.clip.in = a.clip.in + at;
  a.clip.out = b.clip.in - 1;
  b.transition = std::move(a.transition);
  a.transition.reset();
  a.type = kSceneContinues;
  a.continuation = freshId;
  // Sound that starts after the cut stays with its frames; the insert's own
  // sound stays with the insert.
  auto moved = std::stable_partition(a.audio.begin(), a.audio.end(),
                                     [&](const SbAudio& au) { return au.followsInsert || au.offset < at; });
  for (auto it = moved; it != a.audio.end(); ++it) {
    it->offset -= at;
    b.audio.push_back(std::move(*it));
  }
  a.audio.erase(moved, a.audio.end());
  scenes.insert(scenes.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(b));
}

// The boundary between scene `index` and the piece split off it moves by
// delta frames (later when positive).
void moveBoundary(SbScenes& scenes, size_t index, int32_t delta) {
  SbScene& a = scenes[index];
  SbScene& b = scenes[index + 1];
  a.clip.out += delta;
  b.clip.in += delta;
  if (b.insert) b.insert->offset -= delta;
  for (SbAudio& au : b.audio) au.offset = std::max(0, au.offset - delta);
}

}  // namespace

int32_t roomForInsert(const SbScenes& scenes, size_t index) {
  const int32_t own = scenes[index].length();
  return continuationFollows(scenes, index) ? own + scenes[index + 1].length() : own;
}

std::string placeInsert(SbScenes& scenes, size_t index, int32_t offset, uint32_t freshId) {
  SbScene& a = scenes[index];
  if (!a.insert) return "the scene carries no insert";
  const int32_t m = a.insert->clip.length();
  const int32_t room = roomForInsert(scenes, index);
  if (offset < 0 || int64_t(offset) + m > room)
    return "an insert of " + std::to_string(m) + " frames at offset " + std::to_string(offset) +
           " does not fit the " + std::to_string(room) + " frames of the scene";
  const int32_t end = offset + m;
  if (continuationFollows(scenes, index)) {
    const SbScene& b = scenes[index + 1];
    const int32_t delta = end - a.length();
    if (end == room) {
      if (b.insert) return "the scene after it would vanish with its own insert";
      absorbContinuation(scenes, index);
    } else {
      if (b.insert && b.insert->offset - delta < 0) return "the next scene's insert would start before that scene";
      moveBoundary(scenes, index, delta);
    }
  } else {
    a.continuation = 0;
    if (end < a.length()) splitScene(scenes, index, end, freshId);
  }
  scenes[index].insert->offset = offset;
  return {};
}

int32_t maxTransitionLength(const SbScenes& scenes, size_t index) {
  if (index + 1 >= scenes.size()) return -1;
  const SbScene& a = scenes[index];
  const SbScene& b = scenes[index + 1];
  const bool insertLeaves = a.insert && a.insert->end() == a.length();
  const bool insertComes = b.insert && b.insert->offset == 0;
  const SbClip& leaving = insertLeaves ? a.insert->clip : a.clip;
  const SbClip& coming = insertComes ? b.insert->clip : b.clip;
  return std::min({leaving.tailHandle(), coming.headHandle(), leaving.length(), coming.length(), a.length(),
                   b.length()});
}

SbAudio* findAudio(SbScenes& scenes, SB_AUDIO handle) {
  for (SbScene& s : scenes)
    for (SbAudio& a : s.audio)
      if (a.handle == handle) return &a;
  return nullptr;
}

const SbAudio* findAudio(const SbScenes& scenes, SB_AUDIO handle) {
  return findAudio(const_cast<SbScenes&>(scenes), handle);
}

SbTransition* findTransition(SbScenes& scenes, SB_TRANSITION handle, size_t* index) {
  for (size_t i = 0; i < scenes.size(); ++i)
    if (scenes[i].transition && scenes[i].transition->handle == handle) {
      if (index) *index = i;
      return &*scenes[i].transition;
    }
  return nullptr;
}

const SbTransition* findTransition(const SbScenes& scenes, SB_TRANSITION handle) {
  return findTransition(const_cast<SbScenes&>(scenes), handle);
}

}  // namespace hostsim
