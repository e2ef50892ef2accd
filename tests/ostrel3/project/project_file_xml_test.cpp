// The project document's XML layer: what is written, in which order, and
// what a reader makes of files that are incomplete or damaged.
#include <tinyxml2.h>

#include <string>
#include <vector>

#include "ostrel3/project/project_document.h"
#include "ostrel3/project/project_import.h"
#include "support/host_fixture.h"

namespace {

using ostrel3::CutList;
using ostrel3::ProjectDocument;
using ostrel3::SceneRecord;

using ProjectXmlTest = ostrel3_test::HostTest;

std::string print(const ProjectDocument& p) {
  tinyxml2::XMLDocument doc;
  ostrel3::WriteProjectXml(p, doc);
  return ostrel3::PrintXml(doc);
}

std::optional<ProjectDocument> read(const std::string& text) {
  tinyxml2::XMLDocument doc;
  EXPECT_EQ(doc.Parse(text.c_str()), tinyxml2::XML_SUCCESS) << text;
  return ostrel3::ReadProjectXml(doc);
}

ProjectDocument readOk(const std::string& text) {
  auto p = read(text);
  EXPECT_TRUE(p.has_value());
  return p.value_or(ProjectDocument{});
}

std::string inRoot(const std::string& body) { return "<?xml version=\"1.0\"?><ostrel3>" + body + "</ostrel3>"; }

std::vector<std::string> childNames(const std::string& text) {
  tinyxml2::XMLDocument doc;
  doc.Parse(text.c_str());
  std::vector<std::string> names;
  for (auto* e = doc.RootElement()->FirstChildElement(); e; e = e->NextSiblingElement()) names.push_back(e->Name());
  return names;
}

ProjectDocument fullProject() {
  ProjectDocument p;
  p.name = u"  Hochzeit\t\u00c4rger\n \u65e5\u672c \U0001F3AC <&\"'>";
  for (int cam : {0, 2, 7}) {
    SceneRecord s{cam,  0xFFFFFFF0u + uint32_t(cam), -cam, 0xB68080FFu, 1, 1, 12 + cam, 1, 250 * cam,
                  1,    100 + cam,                   2147483647, u" Kamera\n\u00e9\u00df \U00010348 " + std::u16string(1, u'A' + cam)};
    p.scenes.push_back(s);
  }
  p.points = CutList{{-3, 1}, {0, 0}, {50, 2}, {2147483647, 7}};
  p.sceneCount = 6;
  p.position = 1234;
  p.activeCamera = 5;
  p.zoom = ostrel3::ZoomWindow{-2147483647 - 1, 99};
  p.trimLength = 125;
  p.syncScrub = 1;
  p.mainScrub = 0;
  p.fps = 30;
  p.showOutPreview = 0;
  return p;
}

TEST_F(ProjectXmlTest, EveryFieldSurvivesAWriteAndARead) {
  const ProjectDocument p = fullProject();
  EXPECT_EQ(readOk(print(p)), p);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ProjectXmlTest, ElementsAreWrittenInFileOrderAndEmptyOnesLeftOut) {
  EXPECT_EQ(childNames(print(fullProject())),
            (std::vector<std::string>{"name", "scenes", "points", "num_gui_scenes", "act_tc", "act_cam", "zoom",
                                      "trim_len", "sync_scrub", "main_scrub", "fps", "show_out_preview"}));
  ProjectDocument bare = fullProject();
  bare.name = u"";
  bare.scenes.clear();
  bare.points = CutList{};
  const std::string text = print(bare);
  EXPECT_EQ(childNames(text).front(), "scenes");
  EXPECT_EQ(text.find("<points"), std::string::npos);
  EXPECT_NE(text.find("<scenes/>"), std::string::npos);
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
}

TEST_F(ProjectXmlTest, SceneAttributesAreWrittenInTheirOrderWithTheColourSigned) {
  ProjectDocument p;
  p.scenes.push_back(SceneRecord{3, 4000000000u, 10, 0xB68080FFu, 1, 0, 0, 1, 40, 1, 100, 199, u"Ca\u00f1on"});
  const std::string text = print(p);
  EXPECT_NE(text.find("<scene uid=\"4000000000\" in=\"10\" color=\"-1233092353\" cam=\"3\" audio=\"1\" use_dist=\"0\" "
                      "distance=\"0\" auto_sync=\"1\" in0=\"40\" synced=\"1\" orig_in=\"100\" orig_out=\"199\" "
                      "name=\"Ca\xC3\xB1on\"/>"),
            std::string::npos)
      << text;
}

TEST_F(ProjectXmlTest, MissingSceneAttributesTakeTheirDefaults) {
  const ProjectDocument p = readOk(inRoot("<scenes><scene uid=\"7\" cam=\"1\"/></scenes>"));
  ASSERT_EQ(p.scenes.size(), 1u);
  const SceneRecord& s = p.scenes[0];
  EXPECT_EQ(s.uid, 7u);
  EXPECT_EQ(s.cam, 1);
  EXPECT_EQ(s.trimIn, 0);
  EXPECT_EQ(s.origIn, -1);
  EXPECT_EQ(s.origOut, -1);
  EXPECT_EQ(s.colour, 0u);  // the loader gives the default colour
  EXPECT_EQ(s.useAudio + s.useDistance + s.distance + s.autoSync + s.syncIn + s.synced, 0);
  EXPECT_TRUE(s.clipName.empty());
  EXPECT_FALSE(p.name || p.points || p.sceneCount || p.position || p.activeCamera || p.zoom || p.trimLength);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ProjectXmlTest, ASceneWithoutCamTakesTheIndexAfterThePreviousOneAndWarns) {
  const ProjectDocument p =
      readOk(inRoot("<scenes><scene uid=\"1\"/><scene uid=\"2\" cam=\"4\"/><scene uid=\"3\"/>"
                    "<scene uid=\"4\" cam=\"x\"/></scenes>"));
  ASSERT_EQ(p.scenes.size(), 4u);
  EXPECT_EQ(p.scenes[0].cam, 0);
  EXPECT_EQ(p.scenes[1].cam, 4);
  EXPECT_EQ(p.scenes[2].cam, 5);
  EXPECT_EQ(p.scenes[3].cam, 6);
  EXPECT_EQ(logCount(4), 3u);
}

TEST_F(ProjectXmlTest, SiblingsOfTheFirstSceneCountWhateverTheirName) {
  const ProjectDocument p = readOk(inRoot("<scenes><other uid=\"9\"/><scene uid=\"1\"/><camera uid=\"2\"/></scenes>"));
  ASSERT_EQ(p.scenes.size(), 2u);
  EXPECT_EQ(p.scenes[1].uid, 2u);
  EXPECT_EQ(p.scenes[1].cam, 1);
}

TEST_F(ProjectXmlTest, ACamOutsideTheEightCamerasAndANinthSceneAreIgnoredWithALogLine) {
  std::string scenes;
  for (int i = 0; i < 9; ++i) scenes += "<scene uid=\"" + std::to_string(i + 1) + "\" cam=\"" + std::to_string(i % 8) + "\"/>";
  ProjectDocument p = readOk(inRoot("<scenes>" + scenes + "</scenes>"));
  EXPECT_EQ(p.scenes.size(), 8u);
  EXPECT_EQ(p.scenes.back().uid, 8u);
  EXPECT_EQ(logCount(4), 1u);

  p = readOk(inRoot("<scenes><scene uid=\"1\" cam=\"8\"/><scene uid=\"2\" cam=\"-1\"/><scene uid=\"3\"/>"
                    "<scene uid=\"4\" cam=\"2147483647\"/><scene uid=\"5\"/></scenes>"));
  // -1 is ignored, yet the scene after it takes camera 0; nothing after INT_MAX wraps round.
  ASSERT_EQ(p.scenes.size(), 1u);
  EXPECT_EQ(p.scenes[0].uid, 3u);
  EXPECT_EQ(p.scenes[0].cam, 0);
  EXPECT_EQ(logCount(4), 1u + 6u);
}

TEST_F(ProjectXmlTest, NumbersThatDoNotFitAreTreatedAsAbsent) {
  const ProjectDocument p = readOk(inRoot(
      "<scenes><scene uid=\"-1\" cam=\"0\" in=\"99999999999\" orig_out=\"2147483648\" color=\"-2147483649\"/></scenes>"
      "<num_gui_scenes>4294967300</num_gui_scenes><act_tc>-2147483648</act_tc>"
      "<zoom in=\"1e3\" out=\"77777777777777777777777\"/>"));
  ASSERT_EQ(p.scenes.size(), 1u);
  EXPECT_EQ(p.scenes[0].uid, 0u);
  EXPECT_EQ(p.scenes[0].trimIn, 0);
  EXPECT_EQ(p.scenes[0].origOut, -1);
  EXPECT_EQ(p.scenes[0].colour, 0u);
  EXPECT_FALSE(p.sceneCount.has_value());
  EXPECT_EQ(p.position, -2147483647 - 1);
  EXPECT_EQ(p.zoom, (ostrel3::ZoomWindow{1, 0}));  // "1e3" reads its leading digits
  EXPECT_EQ(logCount(4), 6u);
}

TEST_F(ProjectXmlTest, ElementsWithoutTextCountAsAbsentAndANameWithoutTextIsEmpty) {
  const ProjectDocument p =
      readOk(inRoot("<name/><num_gui_scenes/><act_cam></act_cam><trim_len>  </trim_len><act_tc>abc</act_tc>"
                    "<fps> 25fps</fps>"));
  EXPECT_EQ(p.name, std::u16string());
  EXPECT_FALSE(p.sceneCount.has_value());
  EXPECT_FALSE(p.activeCamera.has_value());
  EXPECT_FALSE(p.trimLength.has_value());
  EXPECT_EQ(p.position, 0);  // text without digits reads as 0, as the decimal conversion does
  EXPECT_EQ(p.fps, 25);
}

TEST_F(ProjectXmlTest, CutPointsReadInOrderWithLaterDuplicatesWinning) {
  ProjectDocument p = readOk(inRoot("<points/>"));
  ASSERT_TRUE(p.points.has_value());
  EXPECT_TRUE(p.points->empty());

  p = readOk(inRoot("<points><junk tc=\"1\"/><point tc=\"30\" cam=\"1\"/><point tc=\"10\"/><point cam=\"2\"/>"
                    "<mark tc=\"30\" cam=\"3\"/><point tc=\"40\" cam=\"8\"/><point tc=\"50\" cam=\"-1\"/></points>"));
  EXPECT_EQ(p.points, (CutList{{0, 2}, {10, 0}, {30, 3}}));
  EXPECT_EQ(logCount(4), 2u);
}

// Points stored in any order come back sorted, and at one position the
// point read later still wins, however far apart the two stand in the file.
TEST_F(ProjectXmlTest, PointsInAnyOrderAreSortedWithTheLaterDuplicateWinning) {
  struct Case {
    const char* what;
    std::string points;
    CutList expected;
  };
  const Case cases[] = {
      {"descending", "<point tc=\"30\" cam=\"3\"/><point tc=\"20\" cam=\"2\"/><point tc=\"10\" cam=\"1\"/>",
       CutList{{10, 1}, {20, 2}, {30, 3}}},
      {"descending, duplicate later", "<point tc=\"30\" cam=\"3\"/><point tc=\"10\" cam=\"1\"/><point tc=\"30\" cam=\"5\"/>",
       CutList{{10, 1}, {30, 5}}},
      {"duplicate first in the file", "<point tc=\"5\" cam=\"4\"/><point tc=\"9\" cam=\"1\"/><point tc=\"1\"/>"
                                      "<point tc=\"5\" cam=\"6\"/><point tc=\"5\" cam=\"7\"/>",
       CutList{{1, 0}, {5, 7}, {9, 1}}},
      {"negative and extreme frames", "<point tc=\"2147483647\" cam=\"1\"/><point tc=\"-2147483648\" cam=\"2\"/>"
                                      "<point tc=\"0\" cam=\"3\"/>",
       CutList{{-2147483647 - 1, 2}, {0, 3}, {2147483647, 1}}},
  };
  for (const Case& c : cases) EXPECT_EQ(readOk(inRoot("<points>" + c.points + "</points>")).points, c.expected) << c.what;
}

// A file stored backwards once cost a shift of the whole list per point;
// every point must still land, in order, with the later duplicates winning.
TEST_F(ProjectXmlTest, ALongDescendingFileReadsWhole) {
  constexpr int kPoints = 200000;
  std::string body = "<points>";
  for (int i = kPoints - 1; i >= 0; --i)
    body += "<point tc=\"" + std::to_string(i * 2) + "\" cam=\"" + std::to_string(i % 8) + "\"/>";
  body += "<point tc=\"0\" cam=\"5\"/></points>";
  const ProjectDocument p = readOk(inRoot(body));
  ASSERT_TRUE(p.points.has_value());
  ASSERT_EQ(p.points->size(), size_t(kPoints));
  int32_t expectedFrame = 0;
  for (const auto& [tc, cam] : *p.points) {
    ASSERT_EQ(tc, expectedFrame);
    ASSERT_EQ(cam, tc == 0 ? 5 : (tc / 2) % 8);
    expectedFrame += 2;
  }
}

// A reader turns a carriage return into a line feed and drops text of
// blanks only: such names once came back changed after one save and load.
TEST_F(ProjectXmlTest, NamesSurviveASaveAndALoadExactly) {
  const std::u16string names[] = {u"a\rb",        u"a\r\nb", u"a\nb",   u"\r",         u"\r\n",
                                  u"  lead and trail  ", u" ",   u"   ",   u"\t",        u" \t\r\n ",
                                  u"tab\there",      u"\u00c4rger \u65e5\u672c \U0001F3AC",   u"<&>\"'",
                                  u"&#13; stays text"};
  for (const std::u16string& name : names) {
    ProjectDocument p;
    p.name = name;
    p.scenes.push_back(SceneRecord{});
    p.scenes.back().uid = 9;
    p.scenes.back().clipName = name;
    const std::string text = print(p);
    const ProjectDocument back = readOk(text);
    EXPECT_EQ(back.name, name) << text;
    ASSERT_EQ(back.scenes.size(), 1u) << text;
    EXPECT_EQ(back.scenes[0].clipName, name) << text;
    // An import reads the clip names the same way.
    tinyxml2::XMLDocument doc;
    ASSERT_EQ(doc.Parse(text.c_str()), tinyxml2::XML_SUCCESS);
    const auto imported = ostrel3::ReadImportXml(doc);
    ASSERT_TRUE(imported.has_value());
    ASSERT_EQ(imported->scenes.size(), 1u);
    EXPECT_EQ(imported->scenes[0].clipName, name) << text;
  }
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ProjectXmlTest, AnotherRootElementIsNoProject) {
  EXPECT_FALSE(read("<?xml version=\"1.0\"?><settings><name>x</name></settings>").has_value());
  EXPECT_EQ(logCount(4), 1u);
}

TEST_F(ProjectXmlTest, AnOlderFileWithMissingPartsReadsWithTheDefaults) {
  tinyxml2::XMLDocument doc;
  ASSERT_EQ(doc.LoadFile(OSTREL3_TEST_DATA "/project_sparse.info"), tinyxml2::XML_SUCCESS);
  const auto p = ostrel3::ReadProjectXml(doc);
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->name, u"Konzert \u00fcber Nacht");
  ASSERT_EQ(p->scenes.size(), 3u);
  EXPECT_EQ(p->scenes[0].cam, 0);
  EXPECT_EQ(p->scenes[1].cam, 1);
  EXPECT_EQ(p->scenes[1].colour, 0u);
  EXPECT_EQ(p->scenes[2].cam, 3);
  EXPECT_EQ(p->scenes[2].origIn, 100);
  EXPECT_EQ(p->points, (CutList{{0, 0}, {75, 1}, {150, 3}}));
  EXPECT_EQ(p->sceneCount, 4);
  EXPECT_FALSE(p->zoom.has_value());
  EXPECT_FALSE(p->trimLength.has_value());
  EXPECT_EQ(logCount(4), 2u);  // two scenes without cam
}

}  // namespace
