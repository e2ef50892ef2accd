#pragma once
// The input side of the host GUI: panels, elements, requests and the
// delivery of the user's input to the operator's queues.
//
// Every member may be called from the host's calling thread; only
// currentScreen() is read by other threads (the operator's tickers), so it
// is kept in an atomic. The records are guarded by one recursive mutex
// because drawing calls the caller's slider text functions, which may call
// back into the host.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "host/host_types.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/elements.h"

struct HOST_LIST;

namespace hostsim {

class Host;
class UserInput;
struct GuiModel;
struct ElementRec;
struct RequestRec;

/// Where a panel lies: its monitor and its screen rectangle.
struct PanelPlace {
  int32_t monitor = 1;
  VG_RECT rect{};
};

/// What vgAdd... hands over; the fields a kind does not use stay default.
struct ElementSpec {
  ElementKind kind = ElementKind::TextButton;
  VG_RECT rect{};
  const XCHAR* caption = nullptr;
  const XCHAR* label = nullptr;
  int16_t labelWidth = 0;
  const XCHAR* text = nullptr;
  int32_t value = 0;
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t maxChars = 0;
  uint32_t flags = 0;
  uint32_t colour = 0;
  VG_SLIDER_TEXT_FN textFn = nullptr;
  const VG_IMAGE* image = nullptr;
  const VG_IMAGE* altImage = nullptr;
  HOST_LIST* entries = nullptr;
};

/// Element state switches of vgActivateElement ... vgUnBeepElement.
enum class ElementState { Activate, Inactivate, Enable, Disable, Beep, UnBeep };

/// The parser id reported while another program's screen is in front.
inline constexpr uint32_t kForeignScreenId = 0x48540001u;

class Panels {
 public:
  explicit Panels(Host& host);
  ~Panels();
  Panels(const Panels&) = delete;
  Panels& operator=(const Panels&) = delete;

  // ---- panels ------------------------------------------------------------
  /// A panel at x, y relative to parent (0: the default monitor's screen);
  /// filled with the background colour. 0 for a bad parent or size.
  VG_PANEL createPanel(VG_PANEL parent, VG_RECT rect, const uint32_t (&flags)[3]);
  /// Removes a panel with its child panels and their elements. 0 or -1.
  int32_t removePanel(VG_PANEL panel);
  /// Paints a panel over with the background colour (what the host does
  /// where it takes its own controls away from a caller's window).
  void clearPanel(VG_PANEL panel);
  /// Place of a panel; panel 0 is the whole screen of the default monitor.
  /// nullopt for a panel that does not exist.
  std::optional<PanelPlace> place(VG_PANEL panel) const;
  /// Sets the input context of a root panel. 0 or -1.
  int32_t setParserId(VG_PANEL root, uint32_t id);
  /// The parser id of the screen in front (any thread).
  uint32_t currentScreen() const { return currentScreen_.load(std::memory_order_acquire); }
  /// While on, another program's screen is in front of the operator's.
  void setForeignScreen(bool on);

  // ---- elements ------------------------------------------------------------
  /// Creates and draws an element. 0 for a bad panel or wanted.
  VG_ELEMENT addElement(VG_PANEL panel, const ElementSpec& wanted);
  int32_t changeElement(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t value);
  int32_t elementInfo(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t* value);
  int32_t setState(VG_PANEL panel, VG_ELEMENT element, ElementState state);

  /// The root's jog slider; min == max == 0 removes it (and returns 0).
  VG_ELEMENT addVirtualSlider(VG_PANEL root, int32_t minimum, int32_t maximum, int32_t start, uint32_t flags);
  int32_t activateVirtualSlider(VG_PANEL root, bool on);
  int32_t setVirtualSliderPageSize(VG_PANEL root, int32_t pageSize);

  VG_GADEXT* allocGadgetExtension();
  void freeGadgetExtension(VG_GADEXT* ext);

  // ---- requests ------------------------------------------------------------
  int32_t createRequest(VREQ_REQUEST* request);
  int32_t deleteRequest(VREQ_REQUEST* request);
  int32_t textRequest(VREQ_TEXT* request);
  int32_t keyRequest(VREQ_KEY* request);
  int32_t paletteRequest(VREQ_PALETTE* request);
  int32_t fileRequest(VREQ_FILE* request);
  int32_t archivesRequest(const XCHAR* title);
  /// A chooser of the host (operators, jingles): a box showing `message`
  /// that takes the user's next answer of `kind`; nullopt when the user
  /// gave none, which counts as cancelled.
  std::optional<Answer> chooserRequest(AnswerKind kind, const std::u16string& title, const std::u16string& message);

  /// vgMsgQReceive2: the next message of the queue; on an empty queue the
  /// user takes a turn. Size received, or -1.
  int32_t receive(void* buffer, int32_t timeout, MSG_Q_ID queue);

  // ---- the user and the queries of tests -------------------------------------
  UserInput& input();
  std::vector<ElementView> elements() const;
  std::optional<ElementView> findElement(VG_ELEMENT handle) const;
  /// An element of the open requests by caption or label (UTF-8), the
  /// frontmost request first.
  std::optional<ElementView> findByCaption(const std::string& caption) const;
  /// Every element of the open requests that reads `caption`, in the order
  /// `dump gui` lists them (the frontmost request first, then the order the
  /// elements were made); exact matches, or failing any, those that differ
  /// only in case.
  std::vector<ElementView> findAllByCaption(const std::string& caption) const;
  /// Open requests, the frontmost first.
  std::vector<RequestView> openRequests() const;
  /// Root panels made without a request, the frontmost first.
  std::vector<RootPanelView> rootPanelsOutsideRequests() const;

  std::vector<std::string> liveHandles() const;

 private:
  friend class UserInput;
  friend class ModalBox;

  void refreshScreenId();
  void drawLocked(const ElementRec& e);
  /// Lights `e` and redraws the select buttons it put out; `e` itself is
  /// left for the caller to draw.
  void lightLocked(ElementRec& e);
  /// Selects the row of the user's list answer, when one comes next.
  void takeListAnswer(ElementRec& e);
  void fillPanelBackground(VG_PANEL panel);
  void removePanelLocked(VG_PANEL panel);
  void removeElementLocked(VG_ELEMENT element);
  ElementRec* checkedElement(VG_PANEL panel, VG_ELEMENT element, const char* what);
  int32_t changeTag(ElementRec& e, int32_t tag, intptr_t value);
  std::optional<intptr_t> readTag(const ElementRec& e, int32_t tag) const;
  VG_ELEMENT addHostButton(VG_PANEL root, VG_RECT rect, const char16_t* caption, HostRole role);
  void addRequestButtons(RequestRec& req, VG_RECT panelRect, int16_t rowY);
  ElementView viewOf(const ElementRec& e) const;
  int32_t fps() const;

  Host& host_;
  mutable std::recursive_mutex mutex_;
  std::unique_ptr<GuiModel> model_;
  std::unique_ptr<UserInput> input_;
  std::atomic<uint32_t> currentScreen_{0};
  std::atomic<bool> foreignScreen_{false};
};

}  // namespace hostsim
