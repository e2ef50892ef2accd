#pragma once
// The user in front of the stand-in host: an ordered list of steps. Actions
// run when the operator waits for input on an empty queue; answers are taken
// by the host's modal requests (scene chooser, text, key, palette, file ...)
// when they come next.
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace hostsim {

class Host;

enum class AnswerKind { Scene, Text, Key, Palette, File, Archives, Media, Operators, Jingle, List };

const char* answerKindName(AnswerKind kind);

struct Answer {
  AnswerKind kind = AnswerKind::Text;
  int64_t number = 0;  ///< scene uid, button (1 = first, 0 = cancel), colour, action, list row (1 = first)
  std::string text;    ///< key text, file path
  /// Several texts: the operators chosen (none: cancelled), or a jingle's
  /// file and image names. Initialised here so that answers written as
  /// {kind, number, text} need not name it.
  std::vector<std::string> texts{};
};

struct UserStep {
  std::string description;  ///< for the log, e.g. "line 12: click \"Leave\""
  std::optional<Answer> answer;
  /// An action; returns false when it could not be performed (it is logged).
  std::function<bool(Host&)> action;
  /// A pause: for this many ticks the operator runs on by itself and
  /// receives what other threads post (no action, no answer).
  int32_t waitTicks = 0;
  /// An action that needs no operator (a dump, a screenshot, the host's
  /// undo): it is still done when the operator has ended before it.
  bool afterEnd = false;
  /// When this action cannot be done, the script stops: the steps after it
  /// are dropped, so nothing acts on a screen the script did not expect.
  bool stopsOnFailure = false;
};

class User {
 public:
  void add(UserStep step);
  void addAction(std::string description, std::function<bool(Host&)> action, bool afterEnd = false);
  void addAnswer(Answer answer, std::string description = {});
  void addWait(std::string description, int32_t ticks);
  bool empty() const;
  size_t pending() const;

  /// Takes the next step when it is an answer of `kind`; otherwise leaves it
  /// and returns nullopt (the request counts as cancelled).
  std::optional<Answer> takeAnswer(AnswerKind kind);
  /// Takes the next step when it is an action; nullopt when the next step is
  /// an answer or nothing is left.
  std::optional<UserStep> takeAction();
  /// Drops the next step (an answer nobody asked for).
  std::optional<UserStep> dropNext();
  /// Kind of the next step's answer, if the next step is an answer.
  std::optional<AnswerKind> nextAnswerKind() const;
  /// Stops the script at the step `where`: drops every step left and
  /// returns them (to be logged as not done).
  std::vector<UserStep> stop(std::string where);
  /// The step at which the script stopped, if it did.
  std::optional<std::string> stoppedAt() const;

 private:
  mutable std::mutex mutex_;
  std::deque<UserStep> steps_;
  std::optional<std::string> stoppedAt_;
};

}  // namespace hostsim
