// The dumps a session script writes: the GUI with its requests, elements,
// input context and pointer; the clips with trims and recording times; the
// trace of host calls. Each is read back as a check would read it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/host.h"
#include "hostsim/media/sources.h"
#include "hostsim/program/dumps.h"
#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using nlohmann::ordered_json;
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

  static const ordered_json& byTitle(const ordered_json& requests, const std::string& title) {
    for (const auto& r : requests)
      if (r["title"] == title) return r;
    throw std::runtime_error("no request " + title);
  }
  static const ordered_json& byCaption(const ordered_json& elements, const std::string& caption) {
    for (const auto& e : elements)
      if (e["caption"] == caption || e["label"] == caption) return e;
    throw std::runtime_error("no element " + caption);
  }
  static std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int hostLines(const std::string& part) {
    int n = 0;
    for (const auto& l : host().log().lines()) n += l.fromHost && l.text.find(part) != std::string::npos;
    return n;
  }
};

TEST_F(DumpsTest, GuiDumpHoldsEveryRequestFrontmostFirstWithItsElements) {
  VREQ_REQUEST back = openRequest(VREQ_FLAGS_WINDOW_OK_CANCEL, 400, 200, u"Main");
  const VG_ELEMENT go = vgAddTextButton(back.panel, 10, 10, 96, 24, u"Go", 0, 0);
  const VG_PANEL sub = vgCreatePanel(back.panel, 0, 50, 300, 100, 0, 0, 0);
  const VG_ELEMENT name = vgAddStringGadget(sub, 10, 10, 240, 24, u"Name", 48, u"Wedding", 32, 0);
  const VG_ELEMENT length = vgAddTimeGadget(sub, 10, 40, 240, 24, u"Length", 48, 500, 0);
  ASSERT_EQ(vgChangeElement(back.panel, go, VG_TAG_ID, 0x8000E01C, 0), 0);
  ASSERT_EQ(vgActivateElement(back.panel, go), 0);
  ASSERT_EQ(vgDisableElement(sub, name), 0);
  ASSERT_EQ(vgBeepElement(sub, length), 0);
  ASSERT_EQ(vgSetRootPanelParserID(back.panel, kMainPanelId), 0);
  VREQ_REQUEST front = openRequest(VREQ_FLAGS_OK_CANCEL, 200, 100, u"Front");
  const VG_PANEL loose = vgCreatePanel(0, 0, 0, 64, 32, 0, 0, 0);
  ASSERT_EQ(vgSetPointerAttrs(2, 7, 8, 9), 0);
  ASSERT_EQ(vgSetPointerPosition(100, 200), 0);
  vgPointerBeep();

  const ordered_json gui = program::guiState(host());
  ASSERT_EQ(gui["requests"].size(), 2u);
  EXPECT_EQ(gui["requests"][0]["title"], "Front");
  EXPECT_EQ(gui["requests"][0]["parser_id"], 0u);
  EXPECT_EQ(gui["current_screen"], kMainPanelId) << "a request without a context leaves the one beneath in force";
  const ordered_json& main = gui["requests"][1];
  EXPECT_EQ(main["title"], "Main");
  EXPECT_EQ(main["kind"], "window");
  EXPECT_EQ(main["parser_id"], kMainPanelId);
  EXPECT_EQ(main["root"], back.panel);
  EXPECT_EQ(main["confirm"], back.okElement);
  EXPECT_EQ(main["elements"].size(), 5u) << "OK, Cancel and the three of the operator, also on a child panel";

  const ordered_json& goJson = byCaption(main["elements"], "Go");
  EXPECT_EQ(goJson["kind"], "text button");
  EXPECT_EQ(goJson["shortcut"], 0x8000E01Cu);
  EXPECT_EQ(goJson["lit"], true);
  EXPECT_EQ(goJson["enabled"], true);
  const VG_RECT goRect = view(go).screenRect;
  EXPECT_EQ(goJson["rect"], (ordered_json{{"x", goRect.x}, {"y", goRect.y}, {"width", 96}, {"height", 24}}));
  EXPECT_EQ(goJson["rect_in_panel"]["x"], 10);

  const ordered_json& nameJson = byCaption(main["elements"], "Name");
  EXPECT_EQ(nameJson["text"], "Wedding");
  EXPECT_EQ(nameJson["panel"], sub);
  EXPECT_EQ(nameJson["enabled"], false);
  const ordered_json& lengthJson = byCaption(main["elements"], "Length");
  EXPECT_EQ(lengthJson["value"], 500) << "fields";
  EXPECT_EQ(lengthJson["text"], "00:00:10:00");
  EXPECT_EQ(lengthJson["beeping"], true);
  EXPECT_EQ(byCaption(main["elements"], "OK")["role"], "confirm");

  ASSERT_EQ(gui["panels"].size(), 1u);
  EXPECT_EQ(gui["panels"][0]["root"], loose);
  EXPECT_TRUE(gui["panels"][0]["elements"].empty());
  EXPECT_EQ(gui["pointer"], (ordered_json{{"x", 100}, {"y", 200}, {"look", 2}, {"attrs", {7, 8, 9}}, {"busy", false},
                                          {"beeps", 1}}));

  vgRemovePanel(loose);
  vreqDeleteRequest(&front);
  vreqDeleteRequest(&back);
  EXPECT_TRUE(program::guiState(host())["requests"].empty());
}

TEST_F(DumpsTest, EachParserIdChangeWritesOneHostLine) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL);
  const VG_PANEL child = vgCreatePanel(r.panel, 0, 0, 50, 50, 0, 0, 0);
  ASSERT_EQ(vgSetRootPanelParserID(r.panel, kMainPanelId), 0);
  ASSERT_EQ(vgSetRootPanelParserID(child, kMainPanelId), 0) << "a child panel names its root";
  ASSERT_EQ(vgSetRootPanelParserID(r.panel, kPlaybackId), 0);
  EXPECT_EQ(vgSetRootPanelParserID(0x7777, kMainPanelId), -1);
  EXPECT_EQ(hostLines("input context of panel"), 2) << "setting the same context again is no change";
  EXPECT_EQ(hostLines("0x520F0064 (was 0x0)"), 1);
  EXPECT_EQ(hostLines("0x520F0065 (was 0x520F0064)"), 1);
  EXPECT_EQ(program::guiState(host())["requests"][0]["parser_id"], kPlaybackId);
  vreqDeleteRequest(&r);
}

TEST_F(DumpsTest, ClipsDumpHoldsTheBinWithRecordingTimesAndEveryCopy) {
  const AV_RECORD stage = mainGetAVRecordFromId(kUidStage, host().config().projectNumber, 1);
  const AV_RECORD copy = nslCopyAVRecord(stage, 0);
  ASSERT_NE(copy, 0u);
  ASSERT_EQ(nslEndAVRecordTrim(copy, 10, 99), 0);

  ordered_json clips = program::clipsState(host());
  EXPECT_EQ(clips["frames_per_second"], 25);
  ASSERT_EQ(clips["bin"].size(), 2u);
  const ordered_json& s = clips["bin"][0];
  EXPECT_EQ(s["uid"], kUidStage);
  EXPECT_EQ(s["name"], "Stage");
  EXPECT_EQ(s["length"], 300);
  EXPECT_EQ(s["whole_length"], 300);
  EXPECT_EQ(s["recording_start"], (ordered_json{{"seconds", 1700000000}, {"frame", 0}}));
  EXPECT_EQ(s["recording_end"], (ordered_json{{"seconds", 1700000500}, {"frame", 0}})) << "the end as configured";
  // Without an end: the start plus 260 frames, 10 seconds and 10 frames at 25.
  const int64_t hallStart = hostsim::derivedRecordingStart(kUidHall);
  EXPECT_EQ(clips["bin"][1]["recording_end"], (ordered_json{{"seconds", hallStart + 10}, {"frame", 10}}));

  ASSERT_EQ(clips["copies"].size(), 1u);
  const ordered_json& c = clips["copies"][0];
  EXPECT_EQ(c["handle"], copy);
  EXPECT_NE(c["uid"], kUidStage) << "a copy has a uid of its own";
  EXPECT_EQ(c["media_uid"], kUidStage);
  EXPECT_EQ(c["trim_in"], 10);
  EXPECT_EQ(c["trim_out"], 99);
  EXPECT_EQ(c["length"], 90);
  EXPECT_EQ(c["whole_length"], 300);
  EXPECT_FALSE(c.contains("recording_start"));

  // The render library reports the same recording end to the operator.
  const CM_HANDLE render = cmOpen(0, 0);
  CM_RECTIME start{}, end{};
  ASSERT_EQ(cmGetRecInfo(render, 2 * nslGetVideoFrameOffset(stage, 0), &end, &start, 1), 0);
  EXPECT_EQ(end.seconds, 1700000500);
  EXPECT_EQ(end.frame, 0);

  ASSERT_EQ(nslDeleteAVRecord(copy), 0);
  EXPECT_TRUE(program::clipsState(host())["copies"].empty()) << "only live copies";
}

TEST_F(DumpsTest, TraceDumpHasOneCallALineInOrder) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL);
  host().calls().clearTrace();
  vgPointerBeep();
  const VG_ELEMENT b = vgAddTextButton(r.panel, 1, 2, 96, 24, u"Say \"hi\"\nthen \\ go", 0, 7);
  ASSERT_NE(b, 0u);
  EXPECT_EQ(program::traceText(host()), "vgPointerBeep()\n"
                                        "vgAddTextButton(" + std::to_string(r.panel) +
                                            ", 1, 2, 96, 24, \"Say \\\"hi\\\"\\nthen \\\\ go\", 0, 7)\n");
  const std::filesystem::path file = home() / "out" / "trace.txt";
  ASSERT_TRUE(program::dumpTrace(host(), file));
  EXPECT_EQ(readFile(file), program::traceText(host()));
  vreqDeleteRequest(&r);
}

TEST_F(DumpsTest, HostLogTextKeepsOneEntryALine) {
  host().log().host(6, "text request \"Title\": first\nsecond");
  const std::filesystem::path file = home() / "host.log";
  ASSERT_TRUE(program::writeLogText(host(), file));
  EXPECT_EQ(readFile(file), "level 6  [host] text request \"Title\": first\\nsecond\n");
}

TEST_F(DumpsTest, DumpFilesAreJsonEvenForTextsThatAreNotValid) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL, 300, 200, u"Broken \xD800 title");
  const std::filesystem::path gui = home() / "dumps" / "gui.json", clips = home() / "dumps" / "clips.json";
  ASSERT_TRUE(program::dumpGui(host(), gui));
  ASSERT_TRUE(program::dumpClips(host(), clips));
  const auto guiRead = ordered_json::parse(readFile(gui));
  EXPECT_EQ(guiRead["requests"][0]["title"], "Broken \xEF\xBF\xBD title");
  EXPECT_EQ(ordered_json::parse(readFile(clips)), program::clipsState(host()));
  vreqDeleteRequest(&r);
}

}  // namespace
}  // namespace ostrel3_test
