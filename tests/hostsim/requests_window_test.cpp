// Request windows: the host's own elements by the flag rule, placement,
// failures, and what deleting a request leaves.
#include <gtest/gtest.h>

#include "hostsim/gui/requests.h"
#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using RequestsTest = GuiTest;

TEST_F(RequestsTest, DialogWithOkAndCancelReportsElementsBelowItsInnerArea) {
  VREQ_REQUEST r = openRequest(VREQ_FLAGS_OK_CANCEL, 300, 200, u"Projects");
  ASSERT_NE(r.panel, 0u);
  ASSERT_NE(r.okElement, 0u);
  ASSERT_NE(r.cancelElement, 0u);
  const auto ok = view(r.okElement);
  const auto cancel = view(r.cancelElement);
  EXPECT_EQ(ok.role, hostsim::HostRole::Confirm);
  EXPECT_EQ(cancel.role, hostsim::HostRole::Cancel);
  EXPECT_EQ(ok.panel, r.panel);
  EXPECT_GE(ok.rect.y, 200) << "the host's buttons sit below the operator's area";
  VG_RECT panel{};
  ASSERT_EQ(vgGetPanelRect(r.panel, &panel), 0);
  EXPECT_EQ(panel.width, 300);
  EXPECT_EQ(panel.height, 200);
  EXPECT_EQ(ok.screenRect.x, panel.x + ok.rect.x);
  EXPECT_EQ(ok.screenRect.y, panel.y + ok.rect.y);
  // Centred on the visible area of the 1920 x 1080 monitor.
  const auto req = host().panels().openRequests().at(0);
  EXPECT_NEAR(req.frameRect.x + req.frameRect.width / 2, 960, 1);
  EXPECT_NEAR(req.frameRect.y + req.frameRect.height / 2, 540, 1);
  EXPECT_EQ(req.title, u"Projects");
  EXPECT_EQ(req.queue, r.queue);
  EXPECT_EQ(vreqDeleteRequest(&r), 0);
}

struct FlagCase {
  uint32_t flags;
  bool confirm;
  bool cancel;
  bool confirmEnabled;
};

class RequestFlagsTest : public GuiTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(RequestFlagsTest, FlagsChooseTheHostsElements) {
  const FlagCase c = GetParam();
  VREQ_REQUEST r = openRequest(c.flags, 400, 300);
  EXPECT_EQ(r.okElement != 0, c.confirm);
  EXPECT_EQ(r.cancelElement != 0, c.cancel);
  if (r.okElement) {
    EXPECT_EQ(view(r.okElement).enabled, c.confirmEnabled);
  }
  EXPECT_EQ(vreqDeleteRequest(&r), 0);
}

INSTANTIATE_TEST_SUITE_P(OperatorsRequests, RequestFlagsTest,
                         ::testing::Values(FlagCase{0x1E, true, true, true}, FlagCase{0x10001E, true, true, true},
                                           FlagCase{0x10000E, true, false, true}, FlagCase{0x41E, true, true, false},
                                           FlagCase{0x14040, true, true, true}, FlagCase{0x0, false, false, true}));

TEST_F(RequestsTest, FullScreenRequestCoversTheDefaultMonitor) {
  VREQ_REQUEST r = openRequest(0x14040, 1920, 1080, u"Main");
  VG_RECT panel{};
  ASSERT_EQ(vgGetPanelRect(r.panel, &panel), 0);
  EXPECT_EQ(panel.x, 0);
  EXPECT_EQ(panel.y, 0);
  EXPECT_EQ(panel.width, 1920);
  EXPECT_EQ(panel.height, 1080);
  // The frame's buttons stay inside the screen, in the right margin.
  const auto ok = view(r.okElement);
  EXPECT_GE(ok.screenRect.x, 1920 - 20);
  EXPECT_LE(ok.screenRect.x + ok.screenRect.width, 1920);
  EXPECT_EQ(vreqDeleteRequest(&r), 0);
}

TEST_F(RequestsTest, RefusedRequestsCreateNothing) {
  EXPECT_EQ(vreqCreateRequest(nullptr), -1);
  VREQ_REQUEST noQueue{};
  noQueue.width = 100;
  noQueue.height = 100;
  noQueue.flags = 0x1E;
  noQueue.queue = 0x4242;
  EXPECT_NE(vreqCreateRequest(&noQueue), 0);
  VREQ_REQUEST empty{};
  empty.flags = 0x1E;
  empty.queue = newQueue();
  EXPECT_NE(vreqCreateRequest(&empty), 0) << "a window without an inner size";
  EXPECT_EQ(vreqDeleteRequest(nullptr), -1);
  EXPECT_TRUE(host().panels().openRequests().empty());
  EXPECT_TRUE(host().panels().liveHandles().empty());
}

TEST_F(RequestsTest, DeletingARequestRemovesItsPanelsAndElementsOnce) {
  VREQ_REQUEST r = openRequest(0x10001E);
  const VG_PANEL sub = vgCreatePanel(r.panel, 0, 0, 100, 100, 0, 0, 0);
  const VG_ELEMENT b = vgAddTextButton(sub, 0, 0, 96, 24, u"Add", 0, 0);
  EXPECT_FALSE(host().panels().liveHandles().empty());
  ASSERT_EQ(vreqDeleteRequest(&r), 0);
  EXPECT_FALSE(host().panels().findElement(b));
  EXPECT_FALSE(host().panels().findElement(r.okElement));
  VG_RECT rect{};
  EXPECT_EQ(vgGetPanelRect(sub, &rect), -1);
  EXPECT_EQ(vreqDeleteRequest(&r), -1) << "a request goes only once";
}

TEST_F(RequestsTest, DeletingARequestPutsBackWhatItCovered) {
  hostsim::Screen& screen = host().display().screen();
  ASSERT_TRUE(screen.validMonitor(1)) << "needs the display's framebuffers";
  screen.fillRect(1, {0, 0, 1919, 1079}, 0xFF102030u);
  VREQ_REQUEST r = openRequest(0x1E, 300, 200);
  const auto frame = host().panels().openRequests().at(0).frameRect;
  const int cx = frame.x + frame.width / 2, cy = frame.y + frame.height / 2;
  EXPECT_NE(screen.pixel(1, cx, cy), 0xFF102030u);
  ASSERT_EQ(vreqDeleteRequest(&r), 0);
  EXPECT_EQ(screen.pixel(1, cx, cy), 0xFF102030u);
  EXPECT_EQ(screen.pixel(1, frame.x, frame.y), 0xFF102030u);
}

}  // namespace
}  // namespace ostrel3_test
