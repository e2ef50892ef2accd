#include "hostsim/media/removable_media.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"

namespace hostsim {

namespace fs = std::filesystem;

RemovableMedia::RemovableMedia(Host& host) : host_(host) {
  if (host.config().home.empty()) return;
  std::error_code ec;
  home_ = fs::absolute(host.config().home, ec);
  for (const MediumConfig& m : host.config().media) {
    fs::create_directories(folderOf(home_, m.name), ec);
    if (ec) host.log().host(4, "medium \"" + m.name + "\": its folder cannot be made: " + ec.message());
  }
}

fs::path RemovableMedia::folderOf(const fs::path& home, const std::string& name) { return home / "media" / name; }

MAIN_MEDIA* RemovableMedia::init() {
  std::lock_guard lock(mutex_);
  Entry e;
  e.record = std::make_unique<MAIN_MEDIA>();
  entries_.push_back(std::move(e));
  return entries_.back().record.get();
}

RemovableMedia::Entry* RemovableMedia::find(MAIN_MEDIA* record, const char* call) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.record.get() == record; });
  if (it != entries_.end()) return &*it;
  host_.log().host(4, std::string(call) + ": not a media record of the host");
  return nullptr;
}

int RemovableMedia::indexOf(const std::string& name) const {
  const auto& media = host_.config().media;
  for (size_t i = 0; i < media.size(); ++i)
    if (media[i].name == name) return static_cast<int>(i);
  return -1;
}

std::u16string RemovableMedia::offer() const {
  std::u16string text;
  for (const MediumConfig& m : host_.config().media) {
    if (!text.empty()) text += u'\n';
    text += fromUtf8Lossy(m.name);
  }
  return text.empty() ? u"No medium is connected." : text;
}

int32_t RemovableMedia::choose(MAIN_MEDIA* record) {
  std::u16string title;
  {
    std::lock_guard lock(mutex_);
    Entry* e = find(record, "mainSelectMediaRequester");
    if (!e) return -1;
    if (e->record->title) title = e->record->title;
  }
  // The chooser waits for the user without holding the records.
  const std::optional<Answer> answer = host_.panels().chooserRequest(AnswerKind::Media, title, offer());
  std::lock_guard lock(mutex_);
  Entry* e = find(record, "mainSelectMediaRequester");
  if (!e) return -1;
  MAIN_MEDIA& r = *e->record;
  r.state = kMediumCancelled;
  r.path[0] = '\0';
  e->medium = -1;
  if (!answer || answer->text.empty()) return 0;
  const int index = indexOf(answer->text);
  if (index < 0) {
    // The chooser lists only the connected media: naming another is a
    // mistake of the script, and the chooser ends as if cancelled.
    host_.log().host(3, "medium chooser: no medium \"" + answer->text + "\" is connected; cancelled");
    return 0;
  }
  const MediumConfig& m = host_.config().media[static_cast<size_t>(index)];
  e->medium = index;
  r.state = (m.needsMount ? kMediumMustMount : 0u) | (m.unusable ? kMediumUnusable : 0u);
  const std::string folder = folderOf(home_, m.name).string();
  if (folder.size() >= sizeof r.path) {
    host_.log().host(4, "medium \"" + m.name + "\": its folder's path does not fit the record; unusable");
    r.state |= kMediumUnusable;
    return 0;
  }
  std::memcpy(r.path, folder.c_str(), folder.size() + 1);
  host_.log().host(6, "medium chooser: \"" + m.name + "\" at " + folder);
  return 0;
}

int32_t RemovableMedia::mount(MAIN_MEDIA* record) {
  std::lock_guard lock(mutex_);
  Entry* e = find(record, "mainSelectMediaMount");
  if (!e) return -1;
  if (e->medium < 0) {
    host_.log().host(4, "mainSelectMediaMount: no medium was chosen");
    return -1;
  }
  const MediumConfig& m = host_.config().media[static_cast<size_t>(e->medium)];
  if (m.mountFails || m.unusable) {
    host_.log().host(4, "mainSelectMediaMount: medium \"" + m.name + "\" cannot be mounted");
    return -1;
  }
  e->mounted = true;
  return 0;
}

int32_t RemovableMedia::unmount(MAIN_MEDIA* record) {
  std::lock_guard lock(mutex_);
  Entry* e = find(record, "mainSelectMediaUmount");
  if (!e) return -1;
  e->mounted = false;
  return 0;
}

void RemovableMedia::exit(MAIN_MEDIA* record) {
  std::lock_guard lock(mutex_);
  Entry* e = find(record, "mainSelectMediaExit");
  if (!e) return;
  if (e->mounted) host_.log().host(4, "mainSelectMediaExit: the medium was still mounted; the host unmounts it");
  entries_.erase(entries_.begin() + (e - entries_.data()));
}

std::vector<std::string> RemovableMedia::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const Entry& e : entries_) {
    std::string what = "media record";
    if (e.medium >= 0) what += " of \"" + host_.config().media[static_cast<size_t>(e.medium)].name + "\"";
    out.push_back(what + (e.mounted ? ", still mounted" : ""));
  }
  return out;
}

}  // namespace hostsim
