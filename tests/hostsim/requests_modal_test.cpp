// The host's modal requests take the user's answer of their kind or count
// as cancelled.
#include <gtest/gtest.h>

#include <string>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using hostsim::AnswerKind;
using ModalTest = GuiTest;

TEST_F(ModalTest, TextRequestTakesTheChosenButton) {
  host().user().addAnswer({AnswerKind::Text, 2, ""});
  VREQ_TEXT r{};
  r.title = u"Note";
  r.text = u"Replace the storyboard?";
  r.flags = 0x43;
  ASSERT_EQ(vreqTextRequest(&r), 0);
  EXPECT_EQ(r.answer, 2);
  EXPECT_TRUE(host().user().empty());
  EXPECT_TRUE(hostLogged(6, "Replace the storyboard?"));
}

TEST_F(ModalTest, RequestWithoutItsKindOfAnswerNextCountsAsCancelled) {
  host().user().addAnswer({AnswerKind::Key, 0, "Name"});
  VREQ_TEXT t{};
  t.text = u"Hello";
  t.flags = 1;
  t.answer = 7;
  ASSERT_EQ(vreqTextRequest(&t), 0);
  EXPECT_EQ(t.answer, 0);
  EXPECT_TRUE(hostLogged(4, "counts as cancelled"));
  EXPECT_EQ(host().user().pending(), 1u) << "the key answer waits for its request";

  VREQ_PALETTE p{};
  p.colour = 0x11223344;
  ASSERT_EQ(vreqPaletteRequest(&p), 0);
  EXPECT_EQ(p.answer, 0);
  EXPECT_EQ(p.colour, 0x11223344u) << "a cancelled palette keeps the colour";
}

TEST_F(ModalTest, TextRequestRefusesAButtonItDoesNotHave) {
  host().user().addAnswer({AnswerKind::Text, 3, ""});
  VREQ_TEXT r{};
  r.text = u"Two buttons";
  r.buttons = u"Keep|Drop";
  ASSERT_EQ(vreqTextRequest(&r), 0);
  EXPECT_EQ(r.answer, 0);
}

TEST_F(ModalTest, KeyRequestFillsTheBufferCutToItsSize) {
  host().user().addAnswer({AnswerKind::Key, 1, "A name that is far too long"});
  XCHAR buffer[8] = u"Old";
  VREQ_KEY r{};
  r.buffer = buffer;
  r.size = 7;
  ASSERT_EQ(vreqKeyRequest(&r), 0);
  EXPECT_EQ(r.answer, 1);
  EXPECT_EQ(std::u16string(buffer), u"A name ");
  VREQ_KEY none{};
  EXPECT_EQ(vreqKeyRequest(&none), -1);
  EXPECT_EQ(vreqKeyRequest(nullptr), -1);
}

TEST_F(ModalTest, PaletteFileAndArchivesTakeTheirAnswers) {
  host().user().addAnswer({AnswerKind::Palette, 0xB68080FF, ""});
  host().user().addAnswer({AnswerKind::File, 1, "usb/project_01_02.info"});
  host().user().addAnswer({AnswerKind::Archives, 5, ""});
  VREQ_PALETTE p{};
  ASSERT_EQ(vreqPaletteRequest(&p), 0);
  EXPECT_EQ(p.answer, 1);
  EXPECT_EQ(p.colour, 0xB68080FFu);
  char result[12] = {};
  VREQ_FILE f{};
  f.result = result;
  f.resultSize = sizeof result;
  ASSERT_EQ(vreqFileRequest(&f), 0);
  EXPECT_EQ(f.answer, 0) << "a path cut to the result buffer would name another file";
  EXPECT_TRUE(hostLogged(4, "does not fit the result buffer"));
  EXPECT_EQ(vreqArchivesRequest(u"Archives"), 5);
  EXPECT_EQ(vreqArchivesRequest(u"Archives"), 0) << "no answer left: nothing chosen";
  EXPECT_EQ(vreqFileRequest(nullptr), -1);
  EXPECT_EQ(vreqTextRequest(nullptr), -1);
  EXPECT_EQ(vreqPaletteRequest(nullptr), -1);
}

}  // namespace
}  // namespace ostrel3_test
