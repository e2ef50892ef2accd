#include "hostsim/program/steps.h"

#include "hostsim/core/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/storyboard_picture.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/media/media.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using Action = std::function<bool(Host&)>;

ClickOptions clickOptions(const ScriptCommand& c) {
  ClickOptions o;
  o.subEvent = c.subEvent;
  o.value = c.value;
  o.entry = c.entry;
  return o;
}

Action click(const ScriptCommand& c) {
  const ClickOptions o = clickOptions(c);
  switch (c.kind) {
    case ScriptCommand::ClickCaption:
      return [o, caption = c.text, n = c.occurrence](Host& h) { return h.panels().input().clickCaption(caption, o, n); };
    case ScriptCommand::ClickElement:
      return [o, element = VG_ELEMENT(c.a)](Host& h) { return h.panels().input().clickElement(element, o); };
    case ScriptCommand::ClickShortcut:
      return [o, code = uint32_t(c.a)](Host& h) { return h.panels().input().clickShortcut(code, o); };
    case ScriptCommand::ClickList:
      return [o, row = int32_t(c.a)](Host& h) { return h.panels().input().clickList(row, o); };
    default:
      return [o, x = int16_t(c.a), y = int16_t(c.b)](Host& h) {
        return h.panels().input().clickAt(h.display().defaultMonitor(), x, y, o);
      };
  }
}

// The storyboard's picture, named as screenshots are.
bool storyboardShot(Host& h, const std::string& name) {
  std::filesystem::path file(name);
  if (!file.has_extension()) file += ".png";
  const std::filesystem::path& shots = h.panels().input().screenshotDir();
  if (file.is_relative()) file = (shots.empty() ? h.config().home : shots) / file;
  StoryboardPictureFacts facts;
  facts.framesPerSecond = framesPerSecond(h.config().format);
  facts.includeTrimLimit = h.media().project().maxIncludeTrimFrames();
  for (const UndoStep& step : h.media().project().undoSteps()) facts.undoSteps += step.changes.empty() ? 0 : 1;
  if (writeStoryboardPicture(h.media().storyboard().view(), facts, file)) return true;
  h.log().host(4, "screenshot storyboard: could not write " + file.string());
  return false;
}

// What a script may still do once the operator has ended: look at what it
// left behind, and undo it as the host's user would.
bool needsNoOperator(ScriptCommand::Kind kind) {
  switch (kind) {
    case ScriptCommand::Screenshot:
    case ScriptCommand::ScreenshotStoryboard:
    case ScriptCommand::DumpLog:
    case ScriptCommand::DumpGui:
    case ScriptCommand::DumpClips:
    case ScriptCommand::DumpTrace:
    case ScriptCommand::DumpPlayback:
    case ScriptCommand::DumpStoryboard:
    case ScriptCommand::DumpOperators:
    case ScriptCommand::DumpScrub:
    case ScriptCommand::DumpTasks:
    case ScriptCommand::HostUndo:
      return true;
    default:
      return false;
  }
}

// Lines that name an element by its place or handle, and the jog lines,
// aim at one screen: when it is not there, what follows would act on the
// wrong one, so the script stops instead.
bool stopsOnFailure(const ScriptCommand& c) {
  switch (c.kind) {
    case ScriptCommand::ClickCaption: return c.occurrence > 1;
    case ScriptCommand::ClickElement:
    case ScriptCommand::ClickList:
    case ScriptCommand::Jog:
    case ScriptCommand::JogConfirm:
    case ScriptCommand::JogCancel:
      return true;
    default:
      return false;
  }
}

Action actionFor(const ScriptCommand& c, const std::filesystem::path& out) {
  switch (c.kind) {
    case ScriptCommand::ClickCaption:
    case ScriptCommand::ClickShortcut:
    case ScriptCommand::ClickAt:
    case ScriptCommand::ClickElement:
    case ScriptCommand::ClickList:
      return click(c);
    case ScriptCommand::Jog:
      return [steps = int32_t(c.a)](Host& h) { return h.panels().input().jog(steps); };
    case ScriptCommand::JogConfirm:
      return [](Host& h) { return h.panels().input().jogConfirm(); };
    case ScriptCommand::JogCancel:
      return [](Host& h) { return h.panels().input().jogCancel(); };
    case ScriptCommand::DumpTasks:
      return [file = out / c.text](Host& h) { return dumpTasks(h, file); };
    case ScriptCommand::Key:
      return [code = uint16_t(c.a), q = uint16_t(c.b)](Host& h) { return h.panels().input().key(code, q); };
    case ScriptCommand::Command:
      return [id = int32_t(c.a), step = int32_t(c.b), times = c.times](Host& h) {
        return h.panels().input().command(id, step, times);
      };
    case ScriptCommand::PlayerEnd:
      return [](Host& h) { return h.media().player().sendEnd(); };
    case ScriptCommand::PlayerEvent:
      return [camera = int(c.a) - 1, field = int32_t(c.b)](Host& h) {
        return h.media().player().sendCameraEvent(camera, field);
      };
    case ScriptCommand::PointerMove:
      return [x = int16_t(c.a)](Host& h) { return h.panels().input().pointerMove(x, 0); };
    case ScriptCommand::PointerConfirm:
      return [](Host& h) { return h.panels().input().confirm(); };
    case ScriptCommand::PointerCancel:
      return [](Host& h) { return h.panels().input().cancel(); };
    case ScriptCommand::Close:
      return [](Host& h) { return h.panels().input().closeScreen(); };
    case ScriptCommand::Screenshot:
      return [name = c.text, monitor = int32_t(c.b)](Host& h) {
        return h.panels().input().screenshot(monitor > 0 ? monitor : h.display().defaultMonitor(), name);
      };
    case ScriptCommand::DumpLog:
      return [file = out / c.text](Host& h) { return dumpLog(h, file); };
    case ScriptCommand::DumpGui:
      return [file = out / c.text](Host& h) { return dumpGui(h, file); };
    case ScriptCommand::DumpClips:
      return [file = out / c.text](Host& h) { return dumpClips(h, file); };
    case ScriptCommand::DumpTrace:
      return [file = out / c.text](Host& h) { return dumpTrace(h, file); };
    case ScriptCommand::DumpPlayback:
      return [file = out / c.text](Host& h) { return dumpPlayback(h, file); };
    case ScriptCommand::DumpStoryboard:
      return [file = out / c.text](Host& h) { return dumpStoryboard(h, file); };
    case ScriptCommand::ScreenshotStoryboard:
      return [name = c.text](Host& h) { return storyboardShot(h, name); };
    case ScriptCommand::HostUndo:
      return [](Host& h) { return h.media().storyboard().undo(); };
    case ScriptCommand::DumpOperators:
      return [file = out / c.text](Host& h) { return dumpOperators(h, file); };
    case ScriptCommand::DumpScrub:
      return [file = out / c.text](Host& h) { return dumpScrub(h, file); };
    case ScriptCommand::ForeignScreen:
      return [on = c.a != 0](Host& h) {
        h.panels().input().setForeignScreen(on);
        return true;
      };
    default:
      return [](Host& h) {
        h.log().host(4, "this user action is not available in the stand-in host yet");
        return false;
      };
  }
}

}  // namespace

void runStepsAfterEnd(Host& host) {
  while (std::optional<UserStep> step = host.user().dropNext()) {
    if (!step->afterEnd || !step->action) {
      host.log().host(4, "user: the operator has ended; not done: " + step->description);
      continue;
    }
    host.log().host(6, "user: " + step->description);
    bool done = false;
    try {
      done = step->action(host);
    } catch (const std::exception& e) {
      host.log().host(4, "user: " + step->description + ": " + e.what());
    }
    if (!done) host.log().host(4, "user: could not do " + step->description);
  }
}

void queueSteps(Host& host, const Script& script, const std::filesystem::path& out) {
  for (const auto& c : script.commands) {
    const std::string description = "line " + std::to_string(c.line) + ": " + c.source;
    if (c.answer) {
      host.user().addAnswer(*c.answer, description);
    } else if (c.kind == ScriptCommand::Wait) {
      host.user().addWait(description, static_cast<int32_t>(c.a));
    } else {
      UserStep step;
      step.description = description;
      step.action = actionFor(c, out);
      step.afterEnd = needsNoOperator(c.kind);
      step.stopsOnFailure = stopsOnFailure(c);
      host.user().add(std::move(step));
    }
  }
}

}  // namespace hostsim::program
