// The operator requester and the jingle requester answered by the scripted
// user: answered, cancelled and answered wrongly.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "hostsim/program/dumps.h"
#include "operators_fixture.h"

namespace ostrel3_test {
namespace {

using Requesters = OperatorsTest;

TEST_F(Requesters, ChosenOperatorsComeBackInTheOrderChosenRelativeToTheFolder) {
  answerOperators({"wipe", "addon_cube", "dissolve"});
  const char* const* names = nullptr;
  ASSERT_EQ(mainSelectOperatorRequesterMulti(&names, 0, nullptr, 0), 3);
  EXPECT_EQ(namesOf(names), (std::vector<std::string>{"wipe", "addon_cube", "dissolve"}));
  EXPECT_EQ(names[3], nullptr);
  EXPECT_NE(mainGetOperatorName((std::string("transition/") + names[0]).c_str(), 0), nullptr)
      << "a name and the folder make a path the directory knows";

  answerOperators({"iris"});
  ASSERT_EQ(mainSelectOperatorRequesterMulti(&names, 0, "dissolve", 0), 1);
  EXPECT_EQ(namesOf(names), (std::vector<std::string>{"iris"}));
  const auto history = host().media().operatorRequester().history();
  ASSERT_EQ(history.size(), 2u);
  EXPECT_FALSE(history[0].startPath);
  EXPECT_EQ(history[1].startPath, "dissolve") << "the start point offered is kept for the dump";
  EXPECT_TRUE(hostLogged(6, "starting at \"dissolve\""));
}

// Whatever goes wrong, the caller gets 0 and an empty, terminated list.
TEST_F(Requesters, CancelledOrWronglyAnsweredRequestersHandBackNothing) {
  struct Case {
    const char* what;
    std::vector<std::string> answer;  ///< empty with `none`: no answer at all
    bool none;
    const char* logged;               ///< level 3 for a script's mistake, null for a plain cancel
  };
  const Case cases[] = {
      {"no answer", {}, true, nullptr},
      {"an answer that cancels", {}, false, nullptr},
      {"an unknown operator", {"wipe", "spiral"}, false, "no operator \"transition/spiral\" in the directory"},
      {"an operator of another folder", {"../effect/blur"}, false, "no operator \"transition/../effect/blur\""},
      {"a path instead of a name", {"transition/wipe"}, false, "no operator \"transition/transition/wipe\""},
      {"one operator twice", {"wipe", "wipe"}, false, "\"wipe\" chosen twice"},
  };
  for (const Case& c : cases) {
    if (!c.none) answerOperators(c.answer);
    const char* const* names = nullptr;
    EXPECT_EQ(mainSelectOperatorRequesterMulti(&names, 0, "wipe", 0), 0) << c.what;
    ASSERT_NE(names, nullptr) << c.what;
    EXPECT_EQ(names[0], nullptr) << c.what;
    if (c.logged) {
      EXPECT_TRUE(hostLogged(3, c.logged)) << c.what;
    }
    EXPECT_TRUE(host().user().empty()) << c.what << ": the answer is used up";
  }
  EXPECT_EQ(mainSelectOperatorRequesterMulti(nullptr, 0, nullptr, 0), -1);
}

TEST_F(Requesters, AnAnswerOfAnotherKindCancelsAndWaitsForItsOwnRequest) {
  answerJingle({"jingles/intro.wav", "Intro"});
  const char* const* names = nullptr;
  EXPECT_EQ(mainSelectOperatorRequesterMulti(&names, 0, nullptr, 0), 0);
  const TX_REQUEST r = txAllocRequest(1);
  ASSERT_EQ(txRequest(r, 0), 0);
  EXPECT_EQ(txGetStatus(r), 1) << "the jingle answer was kept for the jingle requester";
  txFreeRequest(r);
}

TEST_F(Requesters, AJingleComesBackIntoBuffersItFits) {
  answerJingle({"jingles/intro.wav", "Intr\xC3\xB6"});
  const TX_REQUEST r = txAllocRequest(1);
  ASSERT_NE(r, 0u);
  EXPECT_EQ(txGetStatus(r), 0) << "nothing chosen before the request is shown";
  ASSERT_EQ(txRequest(r, 0), 0);
  ASSERT_EQ(txGetStatus(r), 1);

  const std::string file = "jingles/intro.wav";
  std::array<char, 32> buffer;
  buffer.fill('#');
  EXPECT_EQ(txGetFileName(r, buffer.data(), int32_t(file.size())), -1) << "no room for the terminator";
  EXPECT_EQ(buffer[0], '#') << "a refused get writes nothing";
  ASSERT_EQ(txGetFileName(r, buffer.data(), int32_t(file.size() + 1)), 0);
  EXPECT_EQ(std::string(buffer.data()), file);
  EXPECT_EQ(buffer[file.size() + 1], '#') << "nothing written past the name";

  std::array<XCHAR, 8> image;
  image.fill(u'#');
  EXPECT_EQ(txGetImageName(r, image.data(), 5), -1);
  EXPECT_EQ(image[0], u'#');
  ASSERT_EQ(txGetImageName(r, image.data(), 6), 0);
  EXPECT_EQ(std::u16string(image.data()), u"Intr\u00F6");
  EXPECT_EQ(txGetImageName(r, nullptr, 999), -1);
  EXPECT_EQ(txGetFileName(r, buffer.data(), 0), -1);
  txFreeRequest(r);
}

TEST_F(Requesters, CancelledUnknownAndFreedJingleRequestsAreRefused) {
  EXPECT_EQ(txAllocRequest(2), 0u) << "the host offers jingle requests only";
  const TX_REQUEST r = txAllocRequest(1);
  answerJingle({});  // the user cancels
  ASSERT_EQ(txRequest(r, 0), 0) << "shown, even though cancelled";
  EXPECT_EQ(txGetStatus(r), 0);
  char file[16] = "untouched";
  EXPECT_EQ(txGetFileName(r, file, sizeof file), -1);
  EXPECT_STREQ(file, "untouched");
  EXPECT_TRUE(hostLogged(4, "txGetFileName: nothing was chosen"));

  const auto live = host().media().liveHandles();
  ASSERT_EQ(live.size(), 1u) << "a request not freed is reported";
  txFreeRequest(r);
  for (TX_REQUEST gone : {r, TX_REQUEST(0x42)}) {
    EXPECT_EQ(txRequest(gone, 0), -1);
    EXPECT_EQ(txGetStatus(gone), -1);
    EXPECT_EQ(txGetFileName(gone, file, sizeof file), -1);
  }
  txFreeRequest(r);
  EXPECT_TRUE(hostLogged(4, "txFreeRequest: no request"));
}

TEST_F(Requesters, TheOperatorDumpShowsTheDirectoryAndEveryRequest) {
  answerOperators({"wipe"});
  const char* const* names = nullptr;
  mainSelectOperatorRequesterMulti(&names, 0, "iris", 0);
  mainSelectOperatorRequesterMulti(&names, 0, "wipe", 0);  // no answer: cancelled
  const OP_HANDLE wipe = mainLoadOperator("transition/wipe", 0);
  opSetUniqueID(wipe, 77);
  answerJingle({"a.wav", "A"});
  const TX_REQUEST r = txAllocRequest(1);
  txRequest(r, 0);
  txFreeRequest(r);

  const auto dump = hostsim::program::operatorsState(host());
  ASSERT_EQ(dump["directory"].size(), 6u);
  EXPECT_EQ(dump["directory"][0]["settings"], (nlohmann::json{"Softness", "Border", "Setting 3", "Setting 4"}));
  EXPECT_EQ(dump["directory"][0]["defaults"], "200400ff");
  EXPECT_EQ(dump["loaded"][0]["path"], "transition/wipe");
  EXPECT_EQ(dump["loaded"][0]["unique_id"], 77);
  ASSERT_EQ(dump["operator_requests"].size(), 2u);
  EXPECT_EQ(dump["operator_requests"][0]["start_path"], "iris");
  EXPECT_EQ(dump["operator_requests"][0]["chosen"], (nlohmann::json{"wipe"}));
  EXPECT_EQ(dump["operator_requests"][1]["result"], 0);
  EXPECT_EQ(dump["operator_requests"][1]["note"], "cancelled");
  EXPECT_EQ(dump["jingle_requests"][0]["file"], "a.wav");
  EXPECT_EQ(dump["jingle_requests"][0]["freed"], true);
  mainUnloadOperator(wipe);
}

}  // namespace
}  // namespace ostrel3_test
