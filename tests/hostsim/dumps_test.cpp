// The dumps a session script writes: the GUI with its requests, elements,
// input context and pointer; the clips with trims and recording times; the
// trace of host calls. Each is read back as a check would read it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "host/host.h"
#include "hostsim/media/sources.h"
#include "hostsim/program/dumps.h"
#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using json = nlohmann::ordered_json;
namespace program = hostsim::program;

constexpr uint32_t kMainPanelId = 0x520F0064u, kPlaybackId = 0x520F0065u;
constexpr uint32_t kUidStage = 1001, kUidHall = 1002;

class DumpsTest : public GuiTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = GuiTest::makeConfig();
    c.clips = {{kUidStage, "Stage", 300, -1, 1700000000, 1700000500}, {kUidHall, "Hall", 260}};
    return c;
  }
  static const json& named(const json& elements, const std::string& caption) {
    for (const auto& e : elements)
      if (e["caption"] == caption || e["label"] == caption) return e;
    throw std::runtime_error("no element " + caption);
  }
  static std::string readFile(const std::filesystem::path& file) {
    std::stringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
  }
};

TEST_F(DumpsTest, GuiDumpHoldsEveryRequestFrontmostFirstWithItsElements) {
  VREQ_REQUEST back = openRequest(VREQ_FLAGS_WINDOW_OK_CANCEL, 400, 200, u"Main");
  const VG_ELEMENT go = vgAddTextButton(back.panel, 10, 10, 96, 24, u"Go", 0, 0);
  const VG_PANEL sub = vgCreatePanel(back.panel, 0, 50, 300, 100, 0, 0, 0);
  const VG_ELEMENT name = vgAddStringGadget(sub, 10, 10, 240, 24, u"Name", 48, u"Wedding", 32, 0);
  const VG_ELEMENT length = vgAddTimeGadget(sub, 10, 40, 240, 24, u"Length", 48, 500, 0);
  vgChangeElement(back.panel, go, VG_TAG_ID, 0x8000E01C, 0);
  vgActivateElement(back.panel, go);
  vgDisableElement(sub, name);
  vgBeepElement(sub, length);
  vgSetRootPanelParserID(back.panel, kMainPanelId);
  VREQ_REQUEST front = openRequest(VREQ_FLAGS_OK_CANCEL, 200, 100, u"Front");
  const VG_PANEL loose = vgCreatePanel(0, 0, 0, 64, 32, 0, 0, 0);
  vgSetPointerAttrs(2, 7, 8, 9);
  vgSetPointerPosition(100, 200);
  vgPointerBeep();

  const json gui = program::guiState(host());
  ASSERT_EQ(gui["requests"].size(), 2u);
  EXPECT_EQ(gui["requests"][0]["title"], "Front");
  EXPECT_EQ(gui["current_screen"], kMainPanelId) << "a request without a context leaves the one beneath in force";
  const json& main = gui["requests"][1];
  EXPECT_EQ(main["kind"], "window");
  EXPECT_EQ(main["parser_id"], kMainPanelId);
  EXPECT_EQ(main["elements"].size(), 5u) << "OK, Cancel and the three of the operator, also on a child panel";
  const json& goJson = named(main["elements"], "Go");
  EXPECT_EQ(goJson["shortcut"], 0x8000E01Cu);
  EXPECT_EQ(goJson["lit"], true);
  const VG_RECT goRect = view(go).screenRect;
  EXPECT_EQ(goJson["rect"], (json{{"x", goRect.x}, {"y", goRect.y}, {"width", 96}, {"height", 24}}));
  const json& nameJson = named(main["elements"], "Name");
  EXPECT_EQ(nameJson["text"], "Wedding");
  EXPECT_EQ(nameJson["enabled"], false);
  const json& lengthJson = named(main["elements"], "Length");
  EXPECT_EQ(lengthJson["kind"], "time gadget");
  EXPECT_EQ(lengthJson["text"], "00:00:10:00");
  EXPECT_EQ(lengthJson["beeping"], true);
  EXPECT_EQ(named(main["elements"], "OK")["role"], "confirm");
  EXPECT_EQ(gui["panels"][0]["root"], loose);
  EXPECT_EQ(gui["pointer"],
            (json{{"x", 100}, {"y", 200}, {"look", 2}, {"attrs", {7, 8, 9}}, {"busy", false}, {"beeps", 1}}));

  vgRemovePanel(loose);
  vreqDeleteRequest(&front);
  vreqDeleteRequest(&back);
}

TEST_F(DumpsTest, EachInputContextChangeWritesOneHostLine) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL);
  const VG_PANEL child = vgCreatePanel(r.panel, 0, 0, 50, 50, 0, 0, 0);
  vgSetRootPanelParserID(r.panel, kMainPanelId);
  vgSetRootPanelParserID(child, kMainPanelId);  // a child names its root: no change
  vgSetRootPanelParserID(r.panel, kPlaybackId);
  std::vector<std::string> lines;
  for (const auto& l : host().log().lines())
    if (l.text.rfind("input context", 0) == 0) lines.push_back(l.text);
  char panel[16];
  std::snprintf(panel, sizeof panel, "0x%X", r.panel);
  EXPECT_EQ(lines, (std::vector<std::string>{std::string("input context of panel ") + panel + ": 0x520F0064 (was 0x0)",
                                             std::string("input context of panel ") + panel +
                                                 ": 0x520F0065 (was 0x520F0064)"}));
  vreqDeleteRequest(&r);
}

TEST_F(DumpsTest, ClipsDumpHoldsTheBinWithRecordingTimesAndEveryLiveCopy) {
  const AV_RECORD stage = mainGetAVRecordFromId(kUidStage, host().config().projectNumber, 1);
  const AV_RECORD copy = nslCopyAVRecord(stage, 0);
  ASSERT_EQ(nslEndAVRecordTrim(copy, 10, 99), 0);

  json clips = program::clipsState(host());
  ASSERT_EQ(clips["bin"].size(), 2u);
  EXPECT_EQ(clips["bin"][0]["recording_end"], (json{{"seconds", 1700000500}, {"frame", 0}})) << "as configured";
  // Without an end: the start plus 260 frames, 10 seconds and 10 frames at 25.
  const int64_t hallStart = hostsim::derivedRecordingStart(kUidHall);
  EXPECT_EQ(clips["bin"][1]["recording_start"], (json{{"seconds", hallStart}, {"frame", 0}}));
  EXPECT_EQ(clips["bin"][1]["recording_end"], (json{{"seconds", hallStart + 10}, {"frame", 10}}));
  ASSERT_EQ(clips["copies"].size(), 1u);
  const json& c = clips["copies"][0];
  EXPECT_NE(c["uid"], kUidStage) << "a copy has a uid of its own";
  EXPECT_EQ(c["media_uid"], kUidStage);
  EXPECT_EQ(c["trim_in"], 10);
  EXPECT_EQ(c["length"], 90);
  EXPECT_EQ(c["whole_length"], 300);

  // The render library tells the operator the same end.
  CM_RECTIME start{}, end{};
  ASSERT_EQ(cmGetRecInfo(cmOpen(0, 0), 2 * nslGetVideoFrameOffset(stage, 0), &end, &start, 1), 0);
  EXPECT_EQ(end.seconds, 1700000500);

  nslDeleteAVRecord(copy);
  EXPECT_TRUE(program::clipsState(host())["copies"].empty()) << "only live copies";
}

TEST_F(DumpsTest, TraceHasOneCallALineEvenForTextsOfSeveralLines) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL);
  host().calls().clearTrace();
  vgPointerBeep();
  vgAddTextButton(r.panel, 1, 2, 96, 24, u"Say \"hi\"\nthen \\ go", 0, 7);
  EXPECT_EQ(program::traceText(host()), "vgPointerBeep()\nvgAddTextButton(" + std::to_string(r.panel) +
                                            ", 1, 2, 96, 24, \"Say \\\"hi\\\"\\nthen \\\\ go\", 0, 7)\n");
  vreqDeleteRequest(&r);
}

TEST_F(DumpsTest, BrokenTextsNeitherFailADumpNorSplitALogLine) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL, 300, 200, u"Broken \xD800 title");
  ASSERT_TRUE(program::dumpGui(host(), home() / "dumps" / "gui.json"));
  EXPECT_EQ(json::parse(readFile(home() / "dumps" / "gui.json"))["requests"][0]["title"], "Broken \xEF\xBF\xBD title");
  host().log().host(6, "first\nsecond");
  ASSERT_TRUE(program::writeLogText(host(), home() / "host.log"));
  EXPECT_NE(readFile(home() / "host.log").find("[host] first\\nsecond\n"), std::string::npos);
  vreqDeleteRequest(&r);
}

}  // namespace
}  // namespace ostrel3_test
