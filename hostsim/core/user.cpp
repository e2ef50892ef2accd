#include "hostsim/core/user.h"

#include <iterator>

namespace hostsim {

const char* answerKindName(AnswerKind kind) {
  switch (kind) {
    case AnswerKind::Scene: return "scene";
    case AnswerKind::Text: return "text";
    case AnswerKind::Key: return "key";
    case AnswerKind::Palette: return "palette";
    case AnswerKind::File: return "file";
    case AnswerKind::Archives: return "archives";
    case AnswerKind::Media: return "media";
    case AnswerKind::Operators: return "operators";
    case AnswerKind::Jingle: return "jingle";
    case AnswerKind::List: return "list";
  }
  return "?";
}

void User::add(UserStep step) {
  std::lock_guard lock(mutex_);
  steps_.push_back(std::move(step));
}

void User::addAction(std::string description, std::function<bool(Host&)> action, bool afterEnd) {
  UserStep s;
  s.description = std::move(description);
  s.action = std::move(action);
  s.afterEnd = afterEnd;
  add(std::move(s));
}

void User::addAnswer(Answer answer, std::string description) {
  UserStep s;
  s.description = description.empty() ? std::string("answer ") + answerKindName(answer.kind) : std::move(description);
  s.answer = std::move(answer);
  add(std::move(s));
}

void User::addWait(std::string description, int32_t ticks) {
  UserStep s;
  s.description = std::move(description);
  s.waitTicks = ticks;
  add(std::move(s));
}

bool User::empty() const {
  std::lock_guard lock(mutex_);
  return steps_.empty();
}

size_t User::pending() const {
  std::lock_guard lock(mutex_);
  return steps_.size();
}

std::optional<Answer> User::takeAnswer(AnswerKind kind) {
  std::lock_guard lock(mutex_);
  if (steps_.empty() || !steps_.front().answer || steps_.front().answer->kind != kind) return std::nullopt;
  Answer a = *steps_.front().answer;
  steps_.pop_front();
  return a;
}

std::optional<UserStep> User::takeAction() {
  std::lock_guard lock(mutex_);
  if (steps_.empty() || steps_.front().answer) return std::nullopt;
  UserStep s = std::move(steps_.front());
  steps_.pop_front();
  return s;
}

std::optional<UserStep> User::dropNext() {
  std::lock_guard lock(mutex_);
  if (steps_.empty()) return std::nullopt;
  UserStep s = std::move(steps_.front());
  steps_.pop_front();
  return s;
}

std::optional<AnswerKind> User::nextAnswerKind() const {
  std::lock_guard lock(mutex_);
  if (steps_.empty() || !steps_.front().answer) return std::nullopt;
  return steps_.front().answer->kind;
}

std::vector<UserStep> User::stop(std::string where) {
  std::lock_guard lock(mutex_);
  if (!stoppedAt_) stoppedAt_ = std::move(where);
  std::vector<UserStep> dropped(std::make_move_iterator(steps_.begin()), std::make_move_iterator(steps_.end()));
  steps_.clear();
  return dropped;
}

std::optional<std::string> User::stoppedAt() const {
  std::lock_guard lock(mutex_);
  return stoppedAt_;
}

}  // namespace hostsim
