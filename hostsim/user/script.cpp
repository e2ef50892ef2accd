#include "hostsim/user/script.h"

#include <functional>
#include <map>
#include <sstream>
#include <unordered_set>
#include <utility>

#include "hostsim/user/script_clip.h"
#include "hostsim/user/script_lexer.h"
#include "hostsim/user/script_line.h"
#include "hostsim/user/script_storyboard.h"
#include "hostsim/user/script_operators.h"

namespace hostsim {

namespace {

using script::Line;
using script::Word;
using script::kWordMax;

constexpr int64_t kInt32Max = 0x7FFFFFFF;
// A burst of commands waits in the operator's queue all at once.
constexpr int64_t kMaxBurst = 100;
// One jog line moves the slider at most this far (the messages it sends are
// bounded by the slider's page size at run time).
constexpr int64_t kMaxJog = 1'000'000;
// A camera event's field position: the low 30 bits of its value.
constexpr int64_t kMaxEventField = 0x3FFFFFFF;

// Two numbers written as AxB, A,B or A:B.
std::pair<int64_t, int64_t> numberPair(const Line& l, size_t i, char separator, const char* what) {
  const std::string& w = l.word(i);
  auto cut = w.find(separator);
  auto a = cut == std::string::npos ? std::nullopt : script::toNumber(w.substr(0, cut));
  auto b = cut == std::string::npos ? std::nullopt : script::toNumber(w.substr(cut + 1));
  if (!a || !b || *a < 0 || *b < 0 || *a > 0x7FFF || *b > 0x7FFF) l.fail(std::string("expected ") + what + ", found \"" + w + "\"");
  return {*a, *b};
}

void parseMonitor(const Line& l, HostConfig& c) {
  const int64_t index = l.number(2, "a monitor number", 1, 4);
  if (c.monitors.size() < static_cast<size_t>(index)) c.monitors.resize(index);
  MonitorConfig& m = c.monitors[index - 1];
  auto [w, h] = numberPair(l, 3, 'x', "a size like 1920x1080");
  m.width = static_cast<int16_t>(w), m.height = static_cast<int16_t>(h);
  for (size_t i = 4; i < l.size(); i += 2) {
    if (l.is(i, "visible")) {
      std::stringstream corners(l.word(i + 1));
      int64_t v[4];
      char comma = 0;
      for (int k = 0; k < 4; ++k)
        if (!(corners >> v[k]) || (k < 3 && (!(corners >> comma) || comma != ','))) l.fail("expected visible x0,y0,x1,y1");
      m.visibleX0 = int16_t(v[0]), m.visibleY0 = int16_t(v[1]), m.visibleX1 = int16_t(v[2]), m.visibleY1 = int16_t(v[3]);
    } else if (l.is(i, "aspect")) {
      auto [x, y] = numberPair(l, i + 1, ':', "an aspect like 16:9");
      if (x == 0 || y == 0) l.fail("an aspect needs two numbers above 0");
      m.aspectX = int16_t(x), m.aspectY = int16_t(y);
    } else {
      l.fail("expected visible or aspect, found \"" + l.word(i) + "\"");
    }
  }
}

bool onOff(const Line& l, size_t i, const char* what) {
  if (l.is(i, "on")) return true;
  if (!l.is(i, "off")) l.fail(std::string("expected ") + what + " on or off");
  return false;
}

// "host medium "USB" [needs-mount] [mount-fails] [unusable]": its name is
// the name of its folder under the home directory.
void parseMedium(const Line& l, HostConfig& c) {
  MediumConfig m;
  m.name = l.quoted(2, "a medium name");
  if (m.name.empty() || m.name == "." || m.name.find('/') != std::string::npos || m.name.find("..") != std::string::npos)
    l.fail("a medium's name is the name of its folder: not empty, without / or ..");
  for (const MediumConfig& other : c.media)
    if (other.name == m.name) l.fail("medium \"" + m.name + "\" is set up twice");
  for (size_t i = 3; i < l.size(); ++i) {
    if (l.is(i, "needs-mount")) m.needsMount = true;
    else if (l.is(i, "mount-fails")) m.mountFails = m.needsMount = true;
    else if (l.is(i, "unusable")) m.unusable = true;
    else l.fail("expected needs-mount, mount-fails or unusable, found \"" + l.word(i) + "\"");
  }
  c.media.push_back(m);
}

void parseHost(const Line& l, HostConfig& c) {
  const std::string& what = l.word(1);
  if (what == "version") {
    c.version = int32_t(l.number(2, "a version", 0, kInt32Max)), l.end(3);
  } else if (what == "project") {
    c.projectNumber = int32_t(l.number(2, "a project number", 0, 99)), l.end(3);
  } else if (what == "format") {
    if (l.is(2, "pal")) c.format = VideoFormat::Pal25;
    else if (l.is(2, "ntsc")) c.format = VideoFormat::Ntsc2997;
    else if (l.is(2, "hd1080")) c.format = VideoFormat::Hd1080i25;
    else l.fail("expected the format pal, ntsc or hd1080");
    l.end(3);
  } else if (what == "monitors") {
    c.monitors.resize(size_t(l.number(2, "a monitor count", 1, 4))), l.end(3);
  } else if (what == "monitor") {
    parseMonitor(l, c);
  } else if (what == "default-monitor") {
    c.defaultMonitor = int32_t(l.number(2, "a monitor number", 1, 4)), l.end(3);
  } else if (what == "render-version") {
    auto [major, minor] = numberPair(l, 2, '.', "a version like 43.1");
    c.renderMajor = int32_t(major), c.renderMinor = int32_t(minor), l.end(3);
  } else if (what == "gui-look") {
    c.guiLook = int32_t(l.number(2, "a GUI look (1 classic, 2 the newer look)", 1, 2)), l.end(3);
  } else if (what == "colour-boost") {
    c.colourBoost = onOff(l, 2, "colour-boost");
    l.end(3);
  } else if (what == "fail") {
    // "host fail vreqFileRequest 2": its second call fails; without a number every call does.
    CallFailure f;
    f.name = l.word(2);
    if (f.name.empty() || l.isQuoted(2)) l.fail("expected the name of a host function");
    if (l.size() > 3) f.nth = int(l.number(3, "which call fails (1 is the first)", 1, kInt32Max)), l.end(4);
    c.failures.push_back(f);
  } else if (what == "medium") {
    parseMedium(l, c);
  } else if (what == "include-trim") {
    c.includeTrimFrames = int32_t(l.number(2, "a number of frames", 0, kInt32Max)), l.end(3);
  } else {
    l.fail("unknown host setting \"" + what + "\"");
  }
}

ScriptCommand command(const Line& l, ScriptCommand::Kind kind) {
  ScriptCommand cmd;
  cmd.kind = kind;
  cmd.line = l.number();
  return cmd;
}

// "sub N", "value N" and "entry TEXT" after a click.
void clickOptions(const Line& l, size_t i, ScriptCommand& cmd) {
  for (; i < l.size(); i += 2) {
    if (l.is(i, "sub")) cmd.subEvent = int32_t(l.number(i + 1, "a sub-event", 0, kInt32Max));
    else if (l.is(i, "value")) cmd.value = int32_t(l.number(i + 1, "a value", -kInt32Max, kInt32Max));
    else if (l.is(i, "entry")) cmd.entry = l.quoted(i + 1, "an entry text");
    else l.fail("expected sub, value or entry, found \"" + l.word(i) + "\"");
  }
}

ScriptCommand parseClick(const Line& l) {
  ScriptCommand cmd;
  const std::string& target = l.word(1);
  size_t options = 2;
  if (l.isQuoted(1)) {
    cmd = command(l, ScriptCommand::ClickCaption);
    cmd.text = target;
    // "click "Position" 2": the second element that reads it.
    if (l.size() > 2 && !l.isQuoted(2) && script::toNumber(l.word(2))) {
      cmd.occurrence = int32_t(l.number(2, "which of the elements (1 is the first)", 1, kInt32Max));
      options = 3;
    }
  } else if (l.is(1, "list")) {
    // "click list 3": the third row of the list view in front.
    cmd = command(l, ScriptCommand::ClickList);
    cmd.a = l.number(2, "a row of the list (1 is the first)", 1, kInt32Max);
    options = 3;
  } else if (l.is(1, "element")) {
    cmd = command(l, ScriptCommand::ClickElement);
    cmd.a = l.number(2, "an element handle like 0x1A2", 1, kWordMax);
    options = 3;
  } else if (target.size() > 1 && target[0] == '#') {
    auto code = script::toNumber(target.substr(1));
    if (!code || *code < 0 || *code > kWordMax) l.fail("expected a shortcut code like #0x73");
    cmd = command(l, ScriptCommand::ClickShortcut);
    cmd.a = *code;
  } else if (target.size() > 1 && target[0] == '@') {
    cmd = command(l, ScriptCommand::ClickAt);
    Line position(l.number(), {{target.substr(1), false}});
    std::tie(cmd.a, cmd.b) = numberPair(position, 0, ',', "a position like @120,340");
  } else {
    l.fail("expected a caption in quotes, element HANDLE, list ROW, #code or @x,y after click");
  }
  clickOptions(l, options, cmd);
  return cmd;
}

ScriptCommand parseAnswer(const Line& l) {
  ScriptCommand cmd = command(l, ScriptCommand::Answer);
  Answer a;
  const std::string& kind = l.word(1);
  if (kind == "scene") {
    a.kind = AnswerKind::Scene, a.number = l.number(2, "a clip uid (0 cancels)", 0, kWordMax);
  } else if (kind == "text") {
    a.kind = AnswerKind::Text, a.number = l.number(2, "a button number (1 is the first, 0 cancels)", 0, 9);
  } else if (kind == "key") {
    a.kind = AnswerKind::Key, a.text = l.quoted(2, "the text typed");
  } else if (kind == "palette") {
    a.kind = AnswerKind::Palette, a.number = l.number(2, "a colour", 0, kWordMax);
  } else if (kind == "file" || kind == "media") {
    // "cancel" (without quotes) is the cancel button: an empty answer.
    a.kind = kind == "file" ? AnswerKind::File : AnswerKind::Media;
    if (!l.is(2, "cancel")) {
      a.text = l.quoted(2, kind == "file" ? "a file name, or cancel" : "a medium name, or cancel");
      if (a.text.empty()) l.fail("an empty name is no answer; write cancel to cancel");
    }
  } else if (kind == "list") {
    a.kind = AnswerKind::List, a.number = l.number(2, "a row of the list (1 is the first)", 1, kInt32Max);
  } else if (kind == "archives") {
    a.kind = AnswerKind::Archives, a.number = l.number(2, "an action", -1, 99);
  } else if (kind == "operators" || kind == "jingle") {
    cmd.answer = kind == "operators" ? script::parseOperatorsAnswer(l) : script::parseJingleAnswer(l);
    return cmd;
  } else {
    l.fail("unknown answer kind \"" + kind + "\"");
  }
  l.end(3);
  cmd.answer = a;
  return cmd;
}

ScriptCommand parseSimple(const Line& l) {
  const std::string& verb = l.word(0);
  if (verb == "key") {
    ScriptCommand cmd = command(l, ScriptCommand::Key);
    cmd.a = l.number(1, "a key code", 0, 0xFFFF);
    if (l.is(2, "qualifier")) cmd.b = l.number(3, "a qualifier", 0, 0xFFFF), l.end(4);
    else l.end(2);
    return cmd;
  }
  if (verb == "command") {
    ScriptCommand cmd = command(l, ScriptCommand::Command);
    cmd.a = l.number(1, "a command id", 0, kWordMax);
    for (size_t i = 2; i < l.size(); i += 2) {
      if (l.is(i, "step")) cmd.b = l.number(i + 1, "a step", -kInt32Max, kInt32Max);
      else if (l.is(i, "times")) cmd.times = int32_t(l.number(i + 1, "a number of messages", 1, kMaxBurst));
      else l.fail("expected step or times, found \"" + l.word(i) + "\"");
    }
    return cmd;
  }
  if (verb == "player") {
    if (l.is(1, "end")) return l.end(2), command(l, ScriptCommand::PlayerEnd);
    if (!l.is(1, "event")) l.fail("expected player end or player event CAMERA FIELD");
    ScriptCommand cmd = command(l, ScriptCommand::PlayerEvent);
    cmd.a = l.number(2, "a camera (1 to 4)", 1, 4);
    cmd.b = l.number(3, "a field position", 0, kMaxEventField);
    l.end(4);
    return cmd;
  }
  if (verb == "pointer") {
    if (l.is(1, "move")) {
      ScriptCommand cmd = command(l, ScriptCommand::PointerMove);
      cmd.a = l.number(2, "an x position", 0, 0x7FFF);
      l.end(3);
      return cmd;
    }
    if (l.is(1, "confirm")) return l.end(2), command(l, ScriptCommand::PointerConfirm);
    if (l.is(1, "cancel")) return l.end(2), command(l, ScriptCommand::PointerCancel);
    l.fail("expected pointer move X, pointer confirm or pointer cancel");
  }
  if (verb == "jog") {
    if (l.is(1, "confirm")) return l.end(2), command(l, ScriptCommand::JogConfirm);
    if (l.is(1, "cancel")) return l.end(2), command(l, ScriptCommand::JogCancel);
    ScriptCommand cmd = command(l, ScriptCommand::Jog);
    cmd.a = l.number(1, "a number of jog steps, jog confirm or jog cancel", -kMaxJog, kMaxJog);
    l.end(2);
    return cmd;
  }
  if (verb == "close") return l.end(1), command(l, ScriptCommand::Close);
  if (verb == "wait") {
    ScriptCommand cmd = command(l, ScriptCommand::Wait);
    cmd.a = l.number(1, "a number of ticks", 0, 60 * 600);
    l.end(2);
    return cmd;
  }
  if (verb == "host") {  // the one host line that is a user action
    l.end(2);
    return command(l, ScriptCommand::HostUndo);
  }
  if (verb == "screenshot" && l.is(1, "storyboard") && l.size() > 2) {
    ScriptCommand cmd = command(l, ScriptCommand::ScreenshotStoryboard);
    cmd.text = l.word(2);
    l.end(3);
    return cmd;
  }
  if (verb == "screenshot") {
    ScriptCommand cmd = command(l, ScriptCommand::Screenshot);
    cmd.text = l.word(1);
    cmd.b = 0;
    if (l.is(2, "monitor")) cmd.b = l.number(3, "a monitor number", 1, 4), l.end(4);
    else l.end(2);
    return cmd;
  }
  if (verb == "dump") {
    ScriptCommand cmd;
    if (l.is(1, "log")) cmd = command(l, ScriptCommand::DumpLog);
    else if (l.is(1, "gui")) cmd = command(l, ScriptCommand::DumpGui);
    else if (l.is(1, "clips")) cmd = command(l, ScriptCommand::DumpClips);
    else if (l.is(1, "trace")) cmd = command(l, ScriptCommand::DumpTrace);
    else if (l.is(1, "playback")) cmd = command(l, ScriptCommand::DumpPlayback);
    else if (l.is(1, "storyboard")) cmd = command(l, ScriptCommand::DumpStoryboard);
    else if (l.is(1, "operators")) cmd = command(l, ScriptCommand::DumpOperators);
    else if (l.is(1, "scrub")) cmd = command(l, ScriptCommand::DumpScrub);
    else if (l.is(1, "tasks")) cmd = command(l, ScriptCommand::DumpTasks);
    else l.fail("expected dump log, gui, clips, trace, playback, storyboard, operators, scrub or tasks, then a file name");
    cmd.text = l.word(2);
    if (cmd.text.empty() || cmd.text[0] == '/' || cmd.text.find("..") != std::string::npos)
      l.fail("a dump's file name must stay inside the output folder");
    l.end(3);
    return cmd;
  }
  if (verb == "foreign-screen") {
    ScriptCommand cmd = command(l, ScriptCommand::ForeignScreen);
    if (l.is(1, "on")) cmd.a = 1;
    else if (!l.is(1, "off")) l.fail("expected foreign-screen on or off");
    l.end(2);
    return cmd;
  }
  l.fail("unknown command \"" + verb + "\"");
}

// "file PATH" with its lines up to "end", or "file PATH from SOURCE".
size_t parseFile(const Line& l, const std::vector<std::string>& lines, size_t next, Script& s) {
  ScriptFile f;
  f.line = l.number();
  f.path = l.word(1);
  if (f.path.empty() || f.path[0] == '/' || f.path.find("..") != std::string::npos)
    l.fail("a file path must stay inside the host's home directory");
  if (l.is(2, "from")) {
    f.copyFrom = l.word(3);
    l.end(4);
    s.files.push_back(f);
    return next;
  }
  l.end(2);
  for (; next < lines.size(); ++next) {
    if (lines[next] == "end") {
      s.files.push_back(f);
      return next + 1;
    }
    f.content += lines[next] + "\n";
  }
  l.fail("the file's lines need a closing line \"end\"");
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

Script parseScript(const std::string& text, HostConfig base) {
  Script s;
  s.config = std::move(base);
  const std::vector<std::string> lines = splitLines(text);
  // The setup's operators stand until the script names its own.
  bool ownOperators = false;
  std::unordered_set<uint32_t> clipUids;
  for (const ClipConfig& clip : s.config.clips) clipUids.insert(clip.uid);
  for (size_t i = 0; i < lines.size();) {
    const int number = static_cast<int>(i + 1);
    std::vector<Word> words;
    try {
      words = script::splitLine(lines[i]);
    } catch (const std::invalid_argument& e) {
      throw ScriptError(number, e.what());
    }
    ++i;
    if (words.empty()) continue;
    const Line l(number, words);
    const std::string& verb = words[0].text;
    if (verb == "host" && !l.is(1, "undo")) {
      parseHost(l, s.config);
    } else if (verb == "storyboard") {
      script::parseStoryboard(l, s.config);
    } else if (verb == "clip") {
      script::parseClip(l, s.config, clipUids);
    } else if (verb == "file") {
      i = parseFile(l, lines, i, s);
    } else if (verb == "operator") {
      if (!std::exchange(ownOperators, true)) s.config.operators.clear();
      script::parseOperator(l, s.config);
    } else {
      ScriptCommand cmd = verb == "click" ? parseClick(l) : verb == "answer" ? parseAnswer(l) : parseSimple(l);
      cmd.source = lines[number - 1];
      s.commands.push_back(std::move(cmd));
    }
  }
  script::checkStoryboard(s.config);
  return s;
}

}  // namespace hostsim
