// The operator as the host sees it: descriptor and message codes.
#include <cstring>
#include <string>

#include "host/op.h"
#include "ostrel3/shell/entry.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

using EntryTest = ostrel3_test::HostTest;

OperatorMsg operatorMessage(uint16_t code, int16_t arg = 0) {
  OperatorMsg m{};
  m.code = code;
  m.arg = arg;
  return m;
}

TEST_F(EntryTest, DescriptorHoldsSixPairsInOrderAndStaysPut) {
  const OP_TAG* tags = GetOperatorInfo();
  ASSERT_EQ(tags, GetOperatorInfo());
  const uint32_t expectedTags[] = {0x4F504500u, 0x4F504501u, 0x4F504503u, 0x4F504510u, 0x4F50450Du, 0x4F504504u, 0u};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(tags[i].tag, expectedTags[i]) << "pair " << i;
  EXPECT_EQ(tags[0].value, 0x00401208u);
  EXPECT_EQ(tags[1].value, 5u);
  EXPECT_EQ(tags[4].value, 1u);

  auto fn = reinterpret_cast<OP_MESSAGE_FN>(tags[2].value);
  OperatorMsg init = operatorMessage(OP_MSG_INIT);
  EXPECT_EQ(fn(&init), 0);

  std::string ident = reinterpret_cast<const char*>(tags[3].value);
  EXPECT_EQ(ident.rfind("$Id: ostrel3", 0), 0u) << ident;
  EXPECT_EQ(ident.back(), '$');

  auto table = reinterpret_cast<const uint32_t*>(tags[5].value);
  EXPECT_EQ(table[0], 0x00660004u);
  EXPECT_EQ(table[1], 2u);
  EXPECT_EQ(table[2], 0x00670005u);
  EXPECT_EQ(table[3], 0u);
}

TEST_F(EntryTest, LengthMessageReportsALengthOfZero) {
  OperatorMsg m = operatorMessage(OP_MSG_LENGTH);
  EXPECT_EQ(ostrel3::OperatorMessage(&m), 0);
  EXPECT_EQ(host().calls().traceOf({"opSetLength"}), std::vector<std::string>{"opSetLength(0, 0)"});
}

TEST_F(EntryTest, UnknownCodesAndARunWithAnArgumentDoNothing) {
  for (uint16_t code : {0, 2, 3, 5, 6, 8, 9, 100, 0xFFFF}) {
    OperatorMsg m = operatorMessage(code);
    EXPECT_EQ(ostrel3::OperatorMessage(&m), 0) << code;
  }
  OperatorMsg run = operatorMessage(OP_MSG_RUN, 1);
  EXPECT_EQ(ostrel3::OperatorMessage(&run), 0);
  EXPECT_TRUE(host().calls().trace().empty());
}

class OldHostTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.version = version;
    return c;
  }
  int32_t version = 920;
};

TEST_F(OldHostTest, InitialisationRefusesAHostOfVersion920) {
  OperatorMsg m = operatorMessage(OP_MSG_INIT);
  EXPECT_EQ(ostrel3::OperatorMessage(&m), -1);
  EXPECT_EQ(logCount(3), 1u);
}

class Version921Test : public OldHostTest {
 protected:
  Version921Test() { version = 921; }
};

TEST_F(Version921Test, InitialisationAcceptsAHostOfVersion921) {
  OperatorMsg m = operatorMessage(OP_MSG_INIT);
  EXPECT_EQ(ostrel3::OperatorMessage(&m), 0);
  EXPECT_EQ(logCount(3), 0u);
}

}  // namespace
