// The user picks a list view's row: an answer taken when the list view is
// made, or a click on a row of the list in front.
#include <gtest/gtest.h>

#include <vector>

#include "hostsim/user/script.h"
#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

class ListRowsTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    lstInit(&list_);
    for (int i = 0; i < 4; ++i) {
      entries_[i].text = u"Row";
      entries_[i].value = 10 + i;
      lstAdd(&list_, &entries_[i].node);
    }
  }
  VG_ELEMENT addList(VG_PANEL panel) { return vgAddListview(panel, 0, 0, 200, 120, &list_, 0, 0, 0); }
  intptr_t selectedValue(VG_PANEL panel, VG_ELEMENT list) {
    intptr_t v = -1;
    EXPECT_EQ(vgGetElementInfo(panel, list, VG_TAG_POPUP_VALUE, &v), 0);
    return v;
  }
  HOST_LIST list_{};
  VG_LIST_ENTRY entries_[4]{};
};

struct AnswerCase {
  int64_t row;
  int32_t selected;  // the row selected after, 0-based
  bool logged;       // a row the list lacks
};

class ListAnswerTest : public ListRowsTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(ListAnswerTest, TheNextListViewTakesTheRow) {
  const AnswerCase& c = GetParam();
  host().user().addAnswer({hostsim::AnswerKind::List, c.row, {}});
  const VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL);
  const VG_ELEMENT list = addList(r.panel);
  EXPECT_EQ(view(list).value, c.selected);
  EXPECT_EQ(selectedValue(r.panel, list), 10 + c.selected) << "the value of the row picked";
  EXPECT_TRUE(host().user().empty()) << "the answer is used up";
  EXPECT_EQ(hostLogged(4, "has no row"), c.logged);
  EXPECT_EQ(vreqDeleteRequest(const_cast<VREQ_REQUEST*>(&r)), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListAnswerTest,
                         ::testing::Values(AnswerCase{3, 2, false}, AnswerCase{4, 3, false}, AnswerCase{5, 0, true}));

TEST_F(ListRowsTest, AClickOnARowSelectsItAndTellsTheRequest) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL);
  const VG_ELEMENT list = addList(r.panel);
  ASSERT_TRUE(user().clickList(2));
  const auto m = nextMessage(r.queue);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->msgClass, HOST_MSG_ELEMENT);
  EXPECT_EQ(static_cast<VG_ELEMENT>(m->id), list);
  EXPECT_EQ(selectedValue(r.panel, list), 11);
  EXPECT_FALSE(user().clickList(9)) << "a row the list lacks";
  EXPECT_EQ(vreqDeleteRequest(&r), 0);
  EXPECT_FALSE(user().clickList(1)) << "no list view in front";
}

TEST(ListRowsScriptTest, ClickListAndAnswerListAreRead) {
  const hostsim::Script s = hostsim::parseScript("click list 3\nanswer list 2\n");
  ASSERT_EQ(s.commands.size(), 2u);
  EXPECT_EQ(s.commands[0].kind, hostsim::ScriptCommand::ClickList);
  EXPECT_EQ(s.commands[0].a, 3);
  ASSERT_TRUE(s.commands[1].answer);
  EXPECT_EQ(s.commands[1].answer->kind, hostsim::AnswerKind::List);
  EXPECT_EQ(s.commands[1].answer->number, 2);
  EXPECT_THROW(hostsim::parseScript("click list 0\n"), hostsim::ScriptError);
  EXPECT_THROW(hostsim::parseScript("answer list\n"), hostsim::ScriptError);
}

}  // namespace
}  // namespace ostrel3_test
