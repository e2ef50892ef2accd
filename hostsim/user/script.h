#pragma once
// Session scripts: a line-based description of a host setup and of what the
// user does. See docs/session-script.md for the language.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "hostsim/core/config.h"
#include "hostsim/core/user.h"

namespace hostsim {

/// A malformed line: its number and what is wrong with it.
class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

/// A file the script places under the host's home directory before the run.
struct ScriptFile {
  int line = 0;
  std::string path;     ///< relative to VTHOME
  std::string content;  ///< text, or empty when copied
  std::string copyFrom; ///< a file to copy (relative to the script's folder), or empty
};

/// One user action of the script.
struct ScriptCommand {
  enum Kind {
    ClickCaption, ClickShortcut, ClickAt, Key, Command, PointerMove, PointerConfirm, PointerCancel,
    Close, Answer, Wait, Screenshot, DumpLog, DumpGui, DumpClips, DumpTrace, DumpStoryboard, ForeignScreen,
    DumpPlayback, PlayerEnd, PlayerEvent, ScreenshotStoryboard, HostUndo, DumpOperators, DumpScrub,
    ClickElement, Jog, JogConfirm, JogCancel, DumpTasks, ClickList
  };
  Kind kind = Close;
  int line = 0;
  std::string text;        ///< caption, file name, answer text
  int64_t a = 0, b = 0;    ///< numbers: code/x/camera/list row, qualifier/y/step/monitor/field
  int32_t times = 1;       ///< for commands: how many messages go at once
  int32_t subEvent = 0;    ///< for clicks: the element event kind (0: a plain click)
  int32_t occurrence = 1;  ///< for clicks by caption: which of the elements that read it (1 = first)
  std::optional<int32_t> value;      ///< for clicks: the value the element takes (slider, check box)
  std::optional<std::string> entry;  ///< for clicks on popups and lists: the entry chosen
  std::optional<hostsim::Answer> answer;
  std::string source;      ///< the line as written, for the log
};

struct Script {
  HostConfig config;
  std::vector<ScriptFile> files;
  std::vector<ScriptCommand> commands;
};

/// Parses a script; `base` is the setup the host lines change (its operator
/// directory stands unless the script names operators of its own). Throws
/// ScriptError.
Script parseScript(const std::string& text, HostConfig base = {});

}  // namespace hostsim
