// The picker's part of the project file: what a project stores comes back
// exactly, and whatever a damaged file holds never becomes settings of the
// wrong size.
#include <tinyxml2.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ostrel3/project/file_system.h"
#include "ostrel3/project/project_document.h"
#include "ostrel3/project/project_io.h"
#include "ostrel3/shell/operator.h"
#include "picker_fixture.h"
#include "transition_picker/transitions_hook.h"
#include "transition_picker/transitions_store.h"

namespace {

using picker_test::PickerTest;

// Every field the element can have, settings bytes of several lengths among them.
const char* kFull =
    "<transitions use=\"1\"><time>3</time><sort>1</sort><change>2</change><jinglec>jingles/gong.wav</jinglec>"
    "<jinglex>Gl\xC3\xBC" "ck \xE2\x99\xAA</jinglex><ops>"
    "<op bn=\"transition/wipe\" ps=\"4\" pd=\"AQIDBA==\"/>"
    "<op bn=\"transition/dissolve\"/>"
    "<op bn=\"transition/push\" ps=\"1\" pd=\"/w==\"/>"
    "<op bn=\"transition/not_installed\" ps=\"5\" pd=\"AP8Af4A=\"/>"
    "</ops></transitions>";

std::string print(const tinyxml2::XMLElement* e) {
  if (!e) return "(none)";
  tinyxml2::XMLPrinter printer(nullptr, true);
  e->Accept(&printer);
  return printer.CStr();
}

// Loads a transitions element (or none) into the picker through the hook a run uses.
bool load(const std::string& transitions) {
  tinyxml2::XMLDocument doc;
  doc.Parse(("<ostrel3><scenes/>" + transitions + "</ostrel3>").c_str());
  return ostrel3::MakeTransitionsHook()->load(*doc.RootElement());
}

// The element a project text holds now.
std::string saved() {
  const std::string text = ostrel3::ProjectText(ostrel3::ProjectDocument{}, *ostrel3::MakeTransitionsHook());
  tinyxml2::XMLDocument doc;
  doc.Parse(text.c_str());
  EXPECT_EQ(doc.RootElement()->LastChildElement(), doc.RootElement()->FirstChildElement("transitions"))
      << "transitions come last";
  return print(doc.RootElement()->FirstChildElement("transitions"));
}

TEST_F(PickerTest, AProjectTextKeepsEveryFieldOfTheTransitionsByteForByte) {
  ASSERT_TRUE(load(kFull));
  EXPECT_EQ(picker().jingleImage, u"Gl\u00fcck \u266a");
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/wipe:01020304", "transition/dissolve",
                                                 "transition/push:ff", "transition/not_installed:00ff007f80"}));
  EXPECT_EQ(saved(), kFull);
  // And once more from what was written.
  ASSERT_TRUE(load(saved()));
  EXPECT_EQ(saved(), kFull);
}

TEST_F(PickerTest, UntouchedSettingsAreWrittenAsTheDefaults) {
  EXPECT_EQ(saved(), "<transitions use=\"0\"><time>0</time><sort>0</sort><change>0</change></transitions>");
}

TEST_F(PickerTest, SettingsThatDoNotMatchTheirSizeLoadAsNone) {
  const char* ops[] = {
      "<op bn=\"transition/a\" ps=\"3\" pd=\"AQIDBA==\"/>",           // decodes to 4 bytes, not 3
      "<op bn=\"transition/a\" ps=\"5\" pd=\"AQIDBA==\"/>",
      "<op bn=\"transition/a\" ps=\"-4\" pd=\"AQIDBA==\"/>",
      "<op bn=\"transition/a\" ps=\"2000000000\" pd=\"AQIDBA==\"/>",  // never allocated from the number
      "<op bn=\"transition/a\" ps=\"99999999999\" pd=\"AQIDBA==\"/>",
      "<op bn=\"transition/a\" ps=\"4\" pd=\"AQID!A==\"/>",           // not Base64
      "<op bn=\"transition/a\" ps=\"4\"/>",                           // no block at all
      "<op bn=\"transition/a\" ps=\"four\" pd=\"AQIDBA==\"/>",
      "<op bn=\"transition/a\" pd=\"AQIDBA==\"/>",
  };
  for (const char* op : ops) {
    ASSERT_TRUE(load(std::string("<transitions><ops>") + op + "</ops></transitions>"));
    EXPECT_EQ(entries(), (std::vector<std::string>{"transition/a"})) << op;
    EXPECT_EQ(ostrel3::EntryAt(1)->prefsSize, 0) << op;
  }
}

TEST_F(PickerTest, AProjectWithoutTransitionsChangesNothing) {
  ASSERT_TRUE(load(kFull));
  ASSERT_TRUE(load(""));
  EXPECT_EQ(saved(), kFull);
}

TEST_F(PickerTest, WhatAnElementLacksStaysAsItWas) {
  ASSERT_TRUE(load(kFull));
  // No ops: the list stays; empty jingle texts count as absent; an empty
  // choice reads as 0; "use" without a number is off.
  ASSERT_TRUE(load("<transitions use=\"x\"><time></time><change>7</change><jinglec/><jinglex></jinglex></transitions>"));
  EXPECT_EQ(picker().transitionsEnabled, 0);
  EXPECT_EQ(picker().transitionTime, 0);
  EXPECT_EQ(picker().transitionOrder, 1);
  EXPECT_EQ(picker().transitionChange, 7);
  EXPECT_EQ(picker().jingleFile, "jingles/gong.wav");
  EXPECT_EQ(picker().jingleImage, u"Gl\u00fcck \u266a");
  EXPECT_EQ(entries().size(), 4u);
}

// Only 1 adds transitions; every other number is off, and stays off through
// a save, so that the switch and the output agree.
TEST_F(PickerTest, OnlyAUseOfOneTurnsTransitionsOnAndASaveKeepsWhatWasRead) {
  const struct {
    const char* use;
    int32_t enabled;
  } cases[] = {{"1", 1}, {"0", 0}, {"-1", 0}, {"2", 0}, {"4294967295", 0}, {"01", 1}};
  for (const auto& c : cases) {
    ASSERT_TRUE(load(std::string("<transitions use=\"") + c.use + "\"/>"));
    EXPECT_EQ(picker().transitionsEnabled, c.enabled) << c.use;
    EXPECT_NE(saved().find(std::string("use=\"") + std::to_string(c.enabled) + "\""), std::string::npos) << c.use;
  }
}

TEST_F(PickerTest, StoredOpsReplaceTheListAndEntriesWithoutAPathAreLeftOut) {
  ASSERT_TRUE(load(kFull));
  ASSERT_TRUE(load("<transitions><ops><op ps=\"1\" pd=\"AQ==\"/><op bn=\"\"/><op bn=\"transition/b\"/>"
                   "<other bn=\"transition/c\"/><op bn=\"transition/d\"/></ops></transitions>"));
  EXPECT_EQ(entries(), (std::vector<std::string>{"transition/b", "transition/d"}));
  ASSERT_TRUE(load("<transitions><ops/></transitions>"));
  EXPECT_TRUE(entries().empty());
}

// The whole road: a project file on disk read by a run and written back by it.
class PickerProjectFileTest : public ostrel3_test::HostTest {};

TEST_F(PickerProjectFileTest, ARunWritesTheTransitionsItReadBack) {
  namespace fs = std::filesystem;
  const fs::path dir = home() / "programs" / "ostrel3";
  fs::create_directories(dir);
  const fs::path slot = dir / ostrel3::ProjectFileName(1, 0);
  std::ofstream(slot) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3><num_gui_scenes>3</num_gui_scenes>"
                      << kFull << "</ostrel3>";
  {
    ostrel3::MulticamOperator op;
    ASSERT_TRUE(op.SaveProject());
  }
  tinyxml2::XMLDocument doc;
  ASSERT_EQ(doc.LoadFile(slot.c_str()), tinyxml2::XML_SUCCESS);
  EXPECT_EQ(print(doc.RootElement()->FirstChildElement("transitions")), kFull);
}

}  // namespace
