#pragma once
// The user's hands: what a session script or a test makes the user do, and
// the user's turn when the operator waits on an empty queue.
//
// Each action returns false, with a host log line, when it cannot be done
// (no such element, no open request, a queue that refuses the message).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "host/host_types.h"

namespace hostsim {

class Host;
class Panels;
struct ElementRec;

/// How an element is used.
struct ClickOptions {
  /// The value the element takes: slider value, check state, popup entry or
  /// list row; for buttons and click areas the message's value word.
  std::optional<int32_t> value;
  /// Kind of element event at byte 16 (20: ask for a clip on a picture,
  /// 1 and 3: slider drag begin and end).
  int32_t subEvent = 0;
  /// Popup or list view: choose the entry with this text (UTF-8).
  std::optional<std::string> entry;
  /// Where inside the element the pointer is (relative to its corner).
  std::optional<std::pair<int16_t, int16_t>> at;

  ClickOptions& withValue(int32_t v) { value = v; return *this; }
  ClickOptions& withSubEvent(int32_t s) { subEvent = s; return *this; }
  ClickOptions& withEntry(std::string text) { entry = std::move(text); return *this; }
};

/// Sub-codes (byte 16) of the jog slider's element messages.
inline constexpr int32_t kJogMoved = 2;
inline constexpr int32_t kJogConfirmed = 3;
inline constexpr int32_t kJogCancelled = 4;
/// A jog turn sends at most this many messages at once.
inline constexpr int32_t kMaxJogMessages = 100;

class UserInput {
 public:
  /// Automatic closes the user tries before giving up on an operator that
  /// keeps its screen open.
  static constexpr int kMaxCloses = 4;

  UserInput(Host& host, Panels& panels);

  // ---- the actions ---------------------------------------------------------
  /// Uses the element whose caption or label reads `caption` (UTF-8; exact,
  /// then ignoring case), the frontmost request first; with `occurrence` n,
  /// the n-th of those elements in the order `dump gui` lists them.
  bool clickCaption(const std::string& caption, const ClickOptions& options = {}, int32_t occurrence = 1);
  /// Uses the element with this shortcut code (tag 57); failing an exact
  /// match, the first whose key (low 16 bits) matches.
  bool clickShortcut(uint32_t code, const ClickOptions& options = {});
  /// Clicks at a screen position of a monitor: the frontmost request that
  /// covers it takes the click.
  bool clickAt(int32_t monitor, int16_t x, int16_t y, const ClickOptions& options = {});
  /// Uses an element by its handle.
  bool clickElement(VG_ELEMENT element, const ClickOptions& options = {});
  /// Selects row `row` (1 is the first) of the first list view of the
  /// frontmost request that has one, and sends its element message.
  bool clickList(int32_t row, const ClickOptions& options = {});
  /// A key that no element takes: class 1 to the frontmost request.
  bool key(uint16_t code, uint16_t qualifier = 0);
  /// An input-parser command (class 14): id at 12, step at 16; `times`
  /// messages at once (a burst of jog steps, as a fast hand sends them).
  bool command(int32_t id, int32_t step, int32_t times = 1);
  /// Turns the jog: the frontmost request's active jog slider moves `steps`
  /// within its range. Each element message (class 4, sub-code kJogMoved,
  /// the new value at byte 20) moves it at most one page, so a long turn
  /// sends several, all at once; a turn against an end sends nothing.
  bool jog(int32_t steps);
  /// The jog's confirm: the slider's message with sub-code kJogConfirmed and
  /// its value; the value becomes the start that a later cancel returns to.
  bool jogConfirm();
  /// The jog's cancel: the slider goes back to the value it had when it was
  /// made or last activated, and sends it with sub-code kJogCancelled.
  bool jogCancel();
  /// Pointer movement (class 2) to a screen position.
  bool pointerMove(int16_t x, int16_t y);
  /// Pointer confirm (class 3, id 1) and cancel (class 3, id 2).
  bool confirm();
  bool cancel();
  /// Asks the frontmost request to close (class 6).
  bool closeScreen();
  /// Saves a monitor's screen as `name` (".png" added when missing); a
  /// relative name lands in the screenshot directory, else the host's home.
  bool screenshot(int32_t monitor, const std::string& name);
  /// While on, another program's screen is in front of the operator's.
  void setForeignScreen(bool on);

  /// Directory that receives a numbered picture of every new screen.
  void setScreenshotDir(const std::filesystem::path& dir);
  const std::filesystem::path& screenshotDir() const { return shotDir_; }
  /// Screenshots of new screens saved so far.
  int shotsTaken() const { return shotCount_; }
  /// True once the user stopped closing an operator that would not close.
  bool gaveUp() const { return gaveUp_; }

  // ---- used by the host's GUI ----------------------------------------------
  /// vgMsgQReceive2: the next message of the queue. When none waits and no
  /// host task owes one by now (the player's next frame is not due), the
  /// user does the next step; a wait of the script lets the time pass while
  /// the queue takes what the tasks post. The caller's error code stays.
  int32_t receive(void* buffer, int32_t timeout, MSG_Q_ID queue);
  /// A modal box is on the screen: picture it when screenshots are on.
  void modalShown(int32_t monitor, const std::u16string& title);

 private:
  bool fail(const std::string& what) const;
  /// The frontmost request's active jog slider and the queue of its request.
  ElementRec* activeJogSlider(MSG_Q_ID& queue, const char* what);
  bool clickLocked(ElementRec& e, const ClickOptions& options);
  bool applyClick(ElementRec& e, const ClickOptions& options, int32_t& messageValue);
  bool chooseRow(ElementRec& e, const ClickOptions& options, int32_t& messageValue);
  bool post(MSG_Q_ID queue, uint16_t msgClass, int32_t id, int32_t subCode = 0, int32_t value = 0);
  bool postToFront(uint16_t msgClass, int32_t id, int32_t subCode = 0);
  int32_t receiveMessage(void* buffer, int32_t timeout, MSG_Q_ID queue);
  /// Waits up to `ticks` for a message (letting a test clock run on).
  int32_t waitForMessage(MSG_Q_ID queue, void* buffer, uint64_t ticks);
  void settleTasks();
  bool takeTurn();
  void stopScript(const std::string& where);
  bool closeForUser(MSG_Q_ID queue);
  void shotIfNewScreens();
  void saveShot(int32_t monitor, const std::u16string& title);

  Host& host_;
  Panels& panels_;
  std::filesystem::path shotDir_;
  std::set<VG_PANEL> shotRoots_;
  int shotCount_ = 0;
  std::optional<uint64_t> waitUntil_;  ///< the tick at which the user's wait ends
  bool unsettledLogged_ = false;
  int closes_ = 0;
  bool gaveUp_ = false;
};

}  // namespace hostsim
