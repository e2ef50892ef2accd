// The main panel on the stand-in host: sizes, element slots, drawing areas.
#include <algorithm>

#include "hostsim/gui/panels.h"
#include "ostrel3/element_slots.h"
#include "ostrel3/operator.h"
#include "support/host_fixture.h"

namespace {

using ostrel3::MulticamOperator;

class MainPanelTest : public ostrel3_test::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    run.code = OP_MSG_RUN;
    run.fieldRate = 50;
    op = std::make_unique<MulticamOperator>();
  }
  void TearDown() override {
    if (op && op->panelRequest.panel) op->ClosePanel();
    op.reset();
    HostTest::TearDown();
  }
  std::optional<hostsim::ElementView> element(int slot) const {
    for (const auto& e : const_cast<MainPanelTest*>(this)->host().panels().elements())
      if (e.handle == op->elementSlots[slot]) return e;
    return std::nullopt;
  }

  OperatorMsg run{};
  std::unique_ptr<MulticamOperator> op;
};

TEST_F(MainPanelTest, EverySlotOfTheTableHoldsACreatedElement) {
  ASSERT_TRUE(op->OpenPanel(&run));
  const int slots[] = {1, 2, 3, 6, 7, 8, 9, 11, 13, 15, 10, 12, 14, 16, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                       36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48};
  for (int slot : slots) {
    ASSERT_NE(op->elementSlots[slot], 0u) << "slot " << slot;
    auto e = element(slot);
    ASSERT_TRUE(e.has_value()) << "slot " << slot;
    EXPECT_GT(e->rect.width, 0) << "slot " << slot;
  }
  for (int slot : {0, 4, 5, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}) EXPECT_EQ(op->elementSlots[slot], 0u) << slot;
}

}  // namespace
