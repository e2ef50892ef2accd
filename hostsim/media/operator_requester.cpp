#include "hostsim/media/operator_requester.h"

#include <algorithm>
#include <set>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/media/operators.h"

namespace hostsim {

OperatorRequester::OperatorRequester(Host& host, const OperatorDirectory& directory)
    : host_(host), directory_(directory) {
  array_.push_back(nullptr);
}

std::vector<std::string> OperatorRequester::offered() const {
  const std::string folder = kTransitionFolder;
  std::vector<std::string> names;
  for (const OperatorConfig& o : directory_.all())
    if (o.path.compare(0, folder.size(), folder) == 0) names.push_back(o.path.substr(folder.size()));
  return names;
}

std::u16string OperatorRequester::message(const std::vector<std::string>& offer,
                                          const std::optional<std::string>& start) const {
  if (offer.empty()) return u"No transitions are installed.";
  // The box centres its lines: lines of one length keep the columns straight.
  std::vector<std::pair<std::u16string, std::u16string>> rows;
  size_t nameWidth = 0, shownWidth = 0;
  for (const std::string& name : offer) {
    const XCHAR* shown = directory_.displayName(kTransitionFolder + name);
    rows.emplace_back(fromUtf8Lossy(name), shown ? std::u16string(shown) : std::u16string());
    nameWidth = std::max(nameWidth, rows.back().first.size());
    shownWidth = std::max(shownWidth, rows.back().second.size());
  }
  std::u16string text;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += u'\n';
    text += start && *start == offer[i] ? u"> " : u"  ";
    text += rows[i].first + std::u16string(nameWidth - rows[i].first.size() + 2, u' ');
    text += rows[i].second + std::u16string(shownWidth - rows[i].second.size(), u' ');
  }
  return text;
}

std::string OperatorRequester::refusal(const std::vector<std::string>& answer,
                                       const std::vector<std::string>& offer) const {
  std::set<std::string> seen;
  for (const std::string& name : answer) {
    if (std::find(offer.begin(), offer.end(), name) == offer.end())
      return "no operator \"" + std::string(kTransitionFolder) + name + "\" in the directory";
    // A list where each operator is picked or not cannot hand one back twice.
    if (!seen.insert(name).second) return "\"" + name + "\" chosen twice";
  }
  return {};
}

int32_t OperatorRequester::choose(const char* const** names, const char* lastPath) {
  if (!names) {
    host_.log().host(4, "mainSelectOperatorRequesterMulti: no place for the names");
    return -1;
  }
  Record record;
  if (lastPath) record.startPath = lastPath;
  const std::vector<std::string> offer = offered();
  host_.log().host(6, "operator requester: " + std::to_string(offer.size()) + " transitions, starting at " +
                          (lastPath ? "\"" + std::string(lastPath) + "\"" : std::string("the top")));
  const std::optional<Answer> answer =
      host_.panels().chooserRequest(AnswerKind::Operators, u"Transitions", message(offer, record.startPath));
  if (!answer || answer->texts.empty()) {
    record.note = "cancelled";
  } else if (std::string why = refusal(answer->texts, offer); !why.empty()) {
    // The requester only offers the folder's operators: an answer naming
    // another is a mistake of the script, and the requester ends as if cancelled.
    host_.log().host(3, "operator requester: " + why + "; it ends as if cancelled");
    record.note = why;
  } else {
    record.chosen = answer->texts;
  }
  return finish(names, std::move(record));
}

int32_t OperatorRequester::finish(const char* const** names, Record record) {
  std::lock_guard lock(mutex_);
  // The previous answer's memory is given up only now, as the caller was told.
  chosen_ = record.chosen;
  array_.clear();
  for (const std::string& name : chosen_) array_.push_back(name.c_str());
  array_.push_back(nullptr);
  *names = array_.data();
  record.result = static_cast<int32_t>(chosen_.size());
  history_.push_back(std::move(record));
  return static_cast<int32_t>(chosen_.size());
}

std::vector<OperatorRequester::Record> OperatorRequester::history() const {
  std::lock_guard lock(mutex_);
  return history_;
}

}  // namespace hostsim
