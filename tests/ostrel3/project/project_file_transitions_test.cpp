// The transitions element is kept as read until the transition picker
// writes its own, so a project loses nothing on its way through the operator.
#include <tinyxml2.h>

#include "ostrel3/project/project_document.h"
#include "ostrel3/project/project_io.h"
#include "support/host_fixture.h"
#include "transition_picker/transitions_hook.h"

namespace {

using ProjectTransitionsTest = ostrel3_test::HostTest;

const char* kStored =
    "<transitions use=\"1\"><time>3</time><sort>1</sort><change>2</change><jinglec>j.wav</jinglec>"
    "<jinglex>Gl\xC3\xBC" "ck</jinglex><ops><op bn=\"transition/Wipe\" ps=\"4\" pd=\"AQIDBA==\"/>"
    "<op bn=\"transition/Fade\"/></ops></transitions>";

std::string printElement(const tinyxml2::XMLElement* e) {
  if (!e) return "(none)";
  tinyxml2::XMLPrinter printer(nullptr, true);
  e->Accept(&printer);
  return printer.CStr();
}

const tinyxml2::XMLElement* transitionsOf(const tinyxml2::XMLDocument& doc) {
  return ostrel3::FindRoot(doc)->FirstChildElement("transitions");
}

TEST_F(ProjectTransitionsTest, AProjectTextKeepsTheTransitionsAsTheyWereRead) {
  tinyxml2::XMLDocument in;
  in.Parse((std::string("<ostrel3><scenes/>") + kStored + "</ostrel3>").c_str());
  ostrel3::PreservedTransitions hook;
  ASSERT_TRUE(hook.load(*ostrel3::FindRoot(in)));

  ostrel3::ProjectDocument project;
  project.sceneCount = 3;
  const std::string text = ostrel3::ProjectText(project, hook);
  tinyxml2::XMLDocument out;
  ASSERT_EQ(out.Parse(text.c_str()), tinyxml2::XML_SUCCESS);
  EXPECT_EQ(printElement(transitionsOf(out)), printElement(transitionsOf(in)));
  EXPECT_EQ(ostrel3::FindRoot(out)->LastChildElement(), transitionsOf(out)) << "transitions come last";
}

TEST_F(ProjectTransitionsTest, BeforeAnythingIsReadThePickersDefaultsAreWritten) {
  ostrel3::PreservedTransitions hook;
  tinyxml2::XMLDocument doc;
  ASSERT_TRUE(hook.save(doc, *doc.InsertEndChild(doc.NewElement("ostrel3"))->ToElement()));
  EXPECT_EQ(printElement(transitionsOf(doc)),
            "<transitions use=\"0\"><time>0</time><sort>0</sort><change>0</change></transitions>");
}

TEST_F(ProjectTransitionsTest, AProjectWithoutTransitionsLeavesTheKeptOnesUnchanged) {
  ostrel3::PreservedTransitions hook;
  tinyxml2::XMLDocument first;
  first.Parse((std::string("<ostrel3>") + kStored + "</ostrel3>").c_str());
  ASSERT_TRUE(hook.load(*ostrel3::FindRoot(first)));
  tinyxml2::XMLDocument second;
  second.Parse("<ostrel3><scenes/></ostrel3>");
  EXPECT_TRUE(hook.load(*ostrel3::FindRoot(second)));

  tinyxml2::XMLDocument out;
  ASSERT_TRUE(hook.save(out, *out.InsertEndChild(out.NewElement("ostrel3"))->ToElement()));
  EXPECT_EQ(printElement(transitionsOf(out)), printElement(transitionsOf(first)));
}

TEST_F(ProjectTransitionsTest, TheKeptElementOutlivesTheDocumentItCameFrom) {
  ostrel3::PreservedTransitions hook;
  {
    tinyxml2::XMLDocument gone;
    gone.Parse((std::string("<ostrel3>") + kStored + "</ostrel3>").c_str());
    ASSERT_TRUE(hook.load(*ostrel3::FindRoot(gone)));
  }
  tinyxml2::XMLDocument out;
  ASSERT_TRUE(hook.save(out, *out.InsertEndChild(out.NewElement("ostrel3"))->ToElement()));
  EXPECT_NE(printElement(transitionsOf(out)).find("pd=\"AQIDBA==\""), std::string::npos);
}

}  // namespace
