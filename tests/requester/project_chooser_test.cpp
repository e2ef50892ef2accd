// The project chooser: its rows (labels, markers, the row selected at first)
// and its request (the pick, cancel, close, and a host that refuses).
#include <map>
#include <string>
#include <vector>

#include "host/res.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "requester/project_chooser.h"
#include "support/host_fixture.h"

namespace {

using namespace ostrel3_test;
using ostrel3::kChooserNumberMark;
using ostrel3::kChooserUsedMark;
using ostrel3::ProjectSummary;

const std::u16string kMark(1, kChooserNumberMark);
const std::u16string kUsed(1, kChooserUsedMark);

// Slots 0, 3 and 9 hold projects (slot 3 without a name); the others are empty.
ProjectSummary storedSlot(int32_t slot) {
  static const std::map<int32_t, ProjectSummary> stored = {
      {0, {"Concert", false}}, {3, {"", false}}, {9, {"Encore \xC3\xA9t\xC3\xA9", false}}};
  const auto it = stored.find(slot);
  return it == stored.end() ? ProjectSummary{} : it->second;
}

struct RowsCase {
  const char* what;
  int32_t current;
  bool excludeCurrent;
  size_t rows;
  int32_t initialRow;
  size_t checkedRow;
  int32_t slot;
  std::u16string label;
  std::u16string marker;
};

class ChooserRowsTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(ChooserRowsTest, LabelsMarkersAndTheFirstSelection) {
  const RowsCase& c = GetParam();
  const ostrel3::ChooserRows rows = ostrel3::BuildChooserRows(c.current, u"Now playing", c.excludeCurrent, storedSlot);
  ASSERT_EQ(rows.rows.size(), c.rows) << c.what;
  EXPECT_EQ(rows.initialRow, c.initialRow) << c.what;
  const ostrel3::ChooserRow& row = rows.rows.at(c.checkedRow);
  EXPECT_EQ(row.slot, c.slot) << c.what;
  EXPECT_EQ(row.label, c.label) << c.what;
  EXPECT_EQ(row.marker, c.marker) << c.what;
  for (const auto& r : rows.rows) {
    if (c.excludeCurrent) {
      EXPECT_NE(r.slot, c.current) << c.what;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooserRowsTest,
    ::testing::Values(
        RowsCase{"a stored name", 5, false, 10, 5, 0, 0, kMark + u"1 " + kMark + u"Concert", kUsed},
        RowsCase{"the current slot shows the name in the editor", 0, false, 10, 0, 0, 0,
                 kMark + u"1 " + kMark + u"Now playing", kUsed},
        RowsCase{"an empty slot", 5, false, 10, 5, 1, 1, kMark + u"2 " + kMark + u"P 2", kMark},
        RowsCase{"a project without a name", 5, false, 10, 5, 3, 3, kMark + u"4 " + kMark + u"P 4", kUsed},
        RowsCase{"slot ten has no leading mark", 5, false, 10, 5, 9, 9, u"10 " + kMark + u"Encore \u00E9t\u00E9", kUsed},
        RowsCase{"leaving slot 0 out selects the first empty slot", 0, true, 9, 0, 0, 1, kMark + u"2 " + kMark + u"P 2",
                 kMark},
        RowsCase{"leaving slot 1 out skips the unnamed project", 1, true, 9, 1, 1, 2, kMark + u"3 " + kMark + u"P 3",
                 kMark},
        RowsCase{"leaving slot 9 out", 9, true, 9, 1, 8, 8, kMark + u"9 " + kMark + u"P 9", kMark}));

class ChooserRequestTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    strings_ = resLoadStrings("ostrel3");
    ASSERT_NE(strings_, 0u);
  }
  void TearDown() override {
    resFreeStrings(strings_);
    HostTest::TearDown();
  }
  int32_t choose(int32_t current, bool excludeCurrent) {
    return ostrel3::ChooseProjectSlot(strings_, current, u"Now playing", excludeCurrent, storedSlot);
  }
  void act(const char* what, std::function<bool(hostsim::UserInput&)> action) {
    host().user().addAction(what, [action](hostsim::Host& h) { return action(h.panels().input()); });
  }
  RES_STRINGS strings_ = 0;
};

TEST_F(ChooserRequestTest, TheRowPickedIsTheSlot) {
  host().user().addAnswer({hostsim::AnswerKind::List, 3, {}});
  // The request as the user sees it: nine rows, the row picked selected.
  std::vector<hostsim::ListRowView> rows;
  int32_t selected = -2;
  act("look", [&](hostsim::UserInput&) {
    const auto requests = host().panels().openRequests();
    for (const auto& e : host().panels().elements())
      if (e.kind == hostsim::ElementKind::Listview) rows = e.rows, selected = e.value;
    return !requests.empty() && requests.front().title == u"Choose a project";
  });
  act("OK", [](hostsim::UserInput& in) { return in.clickCaption("OK"); });
  EXPECT_EQ(choose(0, true), 3) << "row 3 of slots 2 to 10 is slot 4";
  EXPECT_EQ(rows.size(), 9u);
  EXPECT_EQ(selected, 2);
  EXPECT_TRUE(host().panels().openRequests().empty());
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ChooserRequestTest, AClickOnARowPicksIt) {
  act("row", [](hostsim::UserInput& in) { return in.clickList(10); });
  act("OK", [](hostsim::UserInput& in) { return in.clickCaption("OK"); });
  EXPECT_EQ(choose(4, false), 9);
}

struct Outcome {
  const char* what;
  bool excludeCurrent;
  const char* refused;  // a host call refused once, or null
  const char* userDoes; // "cancel", "close" or "ok"
  int32_t result;
};

class ChooserOutcomeTest : public ChooserRequestTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(ChooserOutcomeTest, NeverTheSlotLeftOut) {
  const Outcome& o = GetParam();
  if (o.refused) host().calls().failNth(o.refused, 1);
  const std::string does = o.userDoes;
  if (does == "cancel") act("cancel", [](hostsim::UserInput& in) { return in.clickCaption("Cancel"); });
  if (does == "close") act("close", [](hostsim::UserInput& in) { return in.closeScreen(); });
  if (does == "ok") act("OK", [](hostsim::UserInput& in) { return in.clickCaption("OK"); });
  EXPECT_EQ(choose(3, o.excludeCurrent), o.result) << o.what;
  EXPECT_TRUE(host().panels().openRequests().empty()) << o.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooserOutcomeTest,
    ::testing::Values(Outcome{"cancel", false, nullptr, "cancel", -1},
                      Outcome{"close", true, nullptr, "close", -1},
                      Outcome{"OK on the current slot", false, nullptr, "ok", 3},
                      Outcome{"OK on the first empty slot", true, nullptr, "ok", 1},
                      Outcome{"no request: the current slot", false, "vreqCreateRequest", "none", 3},
                      Outcome{"no request, current left out: nothing", true, "vreqCreateRequest", "none", -1},
                      Outcome{"no queue, current left out: nothing", true, "msgQCreate", "none", -1},
                      Outcome{"selection unreadable: the current slot", false, "vgGetElementInfo", "ok", 3},
                      Outcome{"selection unreadable, current left out: nothing", true, "vgGetElementInfo", "ok", -1}));

}  // namespace
