// Clip arithmetic of the stand-in host's scene list: copies, trims, splits,
// names, frame offsets and the bin.
#include "media_fixture.h"

namespace ostrel3_test {
namespace {

using ClipTest = MediaTest;

struct Trim {
  int32_t in = -99, out = -99;
};
Trim trimOf(AV_RECORD clip) {
  Trim t;
  EXPECT_EQ(nslBeginAVRecordTrim(clip, &t.in, &t.out), 0);
  return t;
}

TEST_F(ClipTest, BinWalkListsTheConfiguredClipsInOrder) {
  AV_RECORD a = nslGetFirstScene();
  AV_RECORD b = nslGetNextScene(a);
  AV_RECORD c = nslGetNextScene(b);
  EXPECT_EQ(nslGetNextScene(c), 0u);
  EXPECT_EQ(nameOf(a), u"Camera A");
  EXPECT_EQ(nameOf(b), u"Camera B");
  EXPECT_EQ(nameOf(c), u"Camera C");
  EXPECT_EQ(nslAVRecordGetUniqueID(b), kUidB);
  EXPECT_EQ(nslGetTotalAVRecordLength(c), 1200);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(c), 1200);

  AV_RECORD copy = nslCopyAVRecord(a, 0);
  EXPECT_EQ(nslGetNextScene(copy), 0u) << "copies are not part of the bin";
  EXPECT_EQ(nslDeleteAVRecord(copy), 0);
}

TEST_F(ClipTest, FindingByIdSeesOnlyBinClipsOfTheActiveProject) {
  const int32_t project = host().config().projectNumber;
  EXPECT_EQ(mainGetAVRecordFromId(kUidA, project, 1), nslGetFirstScene());
  EXPECT_EQ(mainGetAVRecordFromId(kUidA, project + 1, 1), 0u);
  EXPECT_EQ(mainGetAVRecordFromId(999, project, 1), 0u);
  EXPECT_EQ(mainGetAVRecordFromId(0, project, 1), 0u);

  AV_RECORD copy = nslCopyAVRecord(bin(kUidA), 0);
  EXPECT_EQ(mainGetAVRecordFromId(nslAVRecordGetUniqueID(copy), project, 1), 0u);
  nslDeleteAVRecord(copy);
}

TEST_F(ClipTest, CopyKeepsMediaTrimsAndNameAndIsIndependentOfItsSource) {
  AV_RECORD a = bin(kUidA);
  ASSERT_EQ(nslEndAVRecordTrim(a, 10, 99), 0);
  AV_RECORD copy = nslCopyAVRecord(a, 0);
  ASSERT_NE(copy, 0u);
  EXPECT_NE(copy, a);
  EXPECT_NE(nslAVRecordGetUniqueID(copy), kUidA);
  EXPECT_EQ(nameOf(copy), u"Camera A");
  EXPECT_EQ(trimOf(copy).in, 10);
  EXPECT_EQ(trimOf(copy).out, 99);
  EXPECT_EQ(nslGetVideoFrameOffset(copy, 5), nslGetVideoFrameOffset(a, 5));

  ASSERT_EQ(nslEndAVRecordTrim(copy, 0, 9), 0);
  ASSERT_EQ(nslSetAVRecordName(copy, u"Mine"), 0);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(a), 90) << "trimming the copy changed the source";
  EXPECT_EQ(nameOf(a), u"Camera A") << "renaming the copy changed the source";

  const auto live = host().liveHandles();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_NE(live[0].find("Mine"), std::string::npos);
  EXPECT_EQ(nslDeleteAVRecord(copy), 0);
  EXPECT_EQ(nslDeleteAVRecord(copy), -1) << "a deleted clip is gone";
  EXPECT_EQ(nslGetTrimmedAVRecordLength(copy), -1);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(a), 90);
}

TEST_F(ClipTest, DeletingABinClipIsRefusedAndTheClipStays) {
  AV_RECORD a = bin(kUidA);
  EXPECT_EQ(nslDeleteAVRecord(a), -1);
  EXPECT_EQ(nslGetTotalAVRecordLength(a), 300);
  EXPECT_EQ(bin(kUidA), a);
  EXPECT_EQ(nslDeleteAVRecord(0x7777), -1);
}

TEST_F(ClipTest, TrimBracketReportsAndValidatesThePoints) {
  AV_RECORD b = bin(kUidB);
  EXPECT_EQ(trimOf(b).in, 0);
  EXPECT_EQ(trimOf(b).out, 249);
  ASSERT_EQ(nslEndAVRecordTrim(b, 10, 20), 0);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(b), 11);
  ASSERT_EQ(nslEndAVRecordTrim(b, 249, 249), 0);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(b), 1);

  for (auto [in, out] : {std::pair{-1, 5}, {6, 5}, {0, 250}, {250, 250}})
    EXPECT_EQ(nslEndAVRecordTrim(b, in, out), -1) << in << ".." << out;
  EXPECT_EQ(trimOf(b).in, 249) << "a refused trim changed the clip";
  EXPECT_EQ(nslEndAVRecordTrim(0, 0, 0), -1);
  int32_t in = 0;
  EXPECT_EQ(nslBeginAVRecordTrim(b, &in, nullptr), -1);
  EXPECT_EQ(nslBeginAVRecordTrim(0x7777, &in, &in), -1);
}

TEST_F(ClipTest, SplitReturnsTheHeadAndTheRestCountsFromZero) {
  AV_RECORD a = bin(kUidA);
  AV_RECORD copy = nslCopyAVRecord(a, 0);
  AV_RECORD head = nslSplitAVRecord(copy, 99);
  ASSERT_NE(head, 0u);
  EXPECT_EQ(nslGetTotalAVRecordLength(head), 100);
  EXPECT_EQ(nslGetTotalAVRecordLength(copy), 200);
  EXPECT_EQ(nslGetVideoFrameOffset(head, 0), nslGetVideoFrameOffset(a, 0));
  EXPECT_EQ(nslGetVideoFrameOffset(head, 99), nslGetVideoFrameOffset(a, 99));
  EXPECT_EQ(nslGetVideoFrameOffset(copy, 0), nslGetVideoFrameOffset(a, 100));
  EXPECT_EQ(nslGetVideoFrameOffset(copy, 199), nslGetVideoFrameOffset(a, 299));
  EXPECT_EQ(nameOf(head), u"Camera A");
  EXPECT_NE(nslAVRecordGetUniqueID(head), nslAVRecordGetUniqueID(copy));
  EXPECT_EQ(host().liveHandles().size(), 2u) << "the head belongs to the caller";
  EXPECT_EQ(nslDeleteAVRecord(head), 0);
  EXPECT_EQ(nslDeleteAVRecord(copy), 0);
}

TEST_F(ClipTest, SplitMovesTrimPointsIntoEachPieceAndClampsThem) {
  struct Case {
    int32_t in, out, n;
    Trim head, tail;
  };
  const Case cases[] = {
      {50, 249, 99, {50, 99}, {0, 149}},   // the cut runs through the trimmed part
      {10, 40, 99, {10, 40}, {0, 0}},      // all of it in the head
      {150, 200, 99, {99, 99}, {50, 100}}, // all of it in the tail
      {0, 299, 0, {0, 0}, {0, 298}},       // the smallest head
      {0, 299, 298, {0, 298}, {0, 0}},     // the smallest tail
  };
  for (const Case& c : cases) {
    AV_RECORD copy = nslCopyAVRecord(bin(kUidA), 0);
    ASSERT_EQ(nslEndAVRecordTrim(copy, c.in, c.out), 0);
    AV_RECORD head = nslSplitAVRecord(copy, c.n);
    ASSERT_NE(head, 0u);
    const Trim h = trimOf(head), t = trimOf(copy);
    EXPECT_EQ(h.in, c.head.in) << c.in << ".." << c.out << " at " << c.n;
    EXPECT_EQ(h.out, c.head.out) << c.in << ".." << c.out << " at " << c.n;
    EXPECT_EQ(t.in, c.tail.in) << c.in << ".." << c.out << " at " << c.n;
    EXPECT_EQ(t.out, c.tail.out) << c.in << ".." << c.out << " at " << c.n;
    nslDeleteAVRecord(head);
    nslDeleteAVRecord(copy);
  }
}

TEST_F(ClipTest, SplitOutsideTheClipFailsAndLeavesItUnchanged) {
  AV_RECORD copy = nslCopyAVRecord(bin(kUidB), 0);
  ASSERT_EQ(nslEndAVRecordTrim(copy, 5, 200), 0);
  for (int32_t n : {-1, 249, 250, 100000}) EXPECT_EQ(nslSplitAVRecord(copy, n), 0u) << n;
  EXPECT_EQ(nslSplitAVRecord(0x7777, 3), 0u);
  const hostsim::ClipInfo i = info(copy);
  EXPECT_EQ(i.total, 250);
  EXPECT_EQ(i.mediaStart, 0);
  EXPECT_EQ(i.in, 5);
  EXPECT_EQ(i.out, 200);
  nslDeleteAVRecord(copy);
}

TEST_F(ClipTest, ASplitThatFailsReturnsNullAndLeavesTheClipAsItWas) {
  AV_RECORD a = bin(kUidA);
  AV_RECORD copy = nslCopyAVRecord(a, 0);
  ASSERT_EQ(nslEndAVRecordTrim(copy, 20, 280), 0);
  const hostsim::ClipInfo before = info(copy);
  const size_t lines = host().log().size();
  EXPECT_EQ(nslSplitAVRecord(a, 99), 0u) << "a bin clip is the project's and stays whole";
  EXPECT_EQ(host().log().size(), lines + 1);
  EXPECT_EQ(nslGetTotalAVRecordLength(a), 300);
  host().calls().failNth("nslSplitAVRecord", 1);
  EXPECT_EQ(nslSplitAVRecord(copy, 99), 0u);
  const hostsim::ClipInfo after = info(copy);
  EXPECT_EQ(after.total, before.total);
  EXPECT_EQ(after.mediaStart, before.mediaStart);
  EXPECT_EQ(after.in, before.in);
  EXPECT_EQ(after.out, before.out);
  EXPECT_EQ(host().liveHandles().size(), 1u) << "no piece was made";
  nslDeleteAVRecord(copy);
}

// The sequence a camera uses to keep frames 100..199 of a clip: split off
// and drop the head, then split the first 100 frames off the rest.
TEST_F(ClipTest, CuttingACopyToARangeKeepsExactlyThoseFrames) {
  AV_RECORD a = bin(kUidA);
  AV_RECORD r = nslCopyAVRecord(a, 0);
  AV_RECORD head = nslSplitAVRecord(r, 100 - 1);
  ASSERT_NE(head, 0u);
  ASSERT_EQ(nslDeleteAVRecord(head), 0);
  ASSERT_LT(100, nslGetTrimmedAVRecordLength(r));
  AV_RECORD kept = nslSplitAVRecord(r, 100 - 1);
  ASSERT_NE(kept, 0u);
  ASSERT_EQ(nslDeleteAVRecord(r), 0);

  EXPECT_EQ(nslGetTrimmedAVRecordLength(kept), 100);
  EXPECT_EQ(nslGetVideoFrameOffset(kept, 0), nslGetVideoFrameOffset(a, 100));
  EXPECT_EQ(nslGetVideoFrameOffset(kept, 99), nslGetVideoFrameOffset(a, 199));
  EXPECT_EQ(nslGetVideoFrameOffset(kept, 100), -1);
  EXPECT_EQ(nslDeleteAVRecord(kept), 0);
}

TEST_F(ClipTest, FrameOffsetsCoverOnlyTheTrimmedFrames) {
  AV_RECORD a = bin(kUidA);
  const int32_t base = nslGetVideoFrameOffset(a, 0);
  ASSERT_GE(base, 0);
  ASSERT_EQ(nslEndAVRecordTrim(a, 10, 20), 0);
  EXPECT_EQ(nslGetVideoFrameOffset(a, 0), base + 10);
  EXPECT_EQ(nslGetVideoFrameOffset(a, 10), base + 20);
  EXPECT_EQ(nslGetAudioFrameOffset(a, 10), base + 20);
  for (int32_t f : {-1, 11, 1000}) {
    EXPECT_EQ(nslGetVideoFrameOffset(a, f), -1) << f;
    EXPECT_EQ(nslGetAudioFrameOffset(a, f), -1) << f;
  }
}

TEST_F(ClipTest, EveryBinClipHasItsOwnOffsetRange) {
  const int32_t aLast = nslGetVideoFrameOffset(bin(kUidA), 299);
  const int32_t bFirst = nslGetVideoFrameOffset(bin(kUidB), 0);
  const int32_t bLast = nslGetVideoFrameOffset(bin(kUidB), 249);
  const int32_t cFirst = nslGetVideoFrameOffset(bin(kUidC), 0);
  EXPECT_GT(bFirst, aLast + 1) << "no gap between two media";
  EXPECT_GT(cFirst, bLast + 1);
  const auto& sources = host().media().sources();
  EXPECT_FALSE(sources.locate(aLast + 1).has_value());
  EXPECT_EQ(sources.locate(bFirst)->source->uid, kUidB);
  EXPECT_EQ(sources.locate(bLast)->frame, 249);
}

TEST_F(ClipTest, RenamingChecksTheNameAndAffectsOnlyThatClip) {
  AV_RECORD b = bin(kUidB);
  EXPECT_EQ(nslSetAVRecordName(b, u"Stage left"), 0);
  EXPECT_EQ(nameOf(b), u"Stage left");
  EXPECT_EQ(nslSetAVRecordName(b, nullptr), -1);
  EXPECT_EQ(nslSetAVRecordName(0x7777, u"x"), -1);
  const std::u16string longest(hostsim::ClipStore::kMaxNameLength, u'n');
  EXPECT_EQ(nslSetAVRecordName(b, longest.c_str()), 0);
  EXPECT_EQ(nslSetAVRecordName(b, (longest + u"n").c_str()), -1);
  EXPECT_EQ(nameOf(b), longest);
  EXPECT_EQ(nslGetAVRecordName(0x7777), nullptr);
}

TEST_F(ClipTest, UniqueNamesNumberNamesTakenInTheBin) {
  XCHAR name[32];
  std::char_traits<char16_t>::copy(name, u"Camera A", 9);
  ASSERT_EQ(mainMakeUniqueName(1, name, name, 31), 0) << "the buffer may be both input and output";
  EXPECT_EQ(std::u16string(name), u"Camera A 2");

  ASSERT_EQ(nslSetAVRecordName(bin(kUidB), u"Camera A 2"), 0);
  ASSERT_EQ(mainMakeUniqueName(1, name, u"Camera A", 31), 0);
  EXPECT_EQ(std::u16string(name), u"Camera A 3");

  ASSERT_EQ(mainMakeUniqueName(1, name, u"Fresh", 31), 0);
  EXPECT_EQ(std::u16string(name), u"Fresh");
  ASSERT_EQ(mainMakeUniqueName(1, name, u"Camera A", 9), 0);
  EXPECT_EQ(std::u16string(name), u"Camera 2") << "the name gives way to the number, without a double space";
  ASSERT_EQ(mainMakeUniqueName(1, name, u"Camera X and more", 8), 0);
  EXPECT_EQ(std::u16string(name), u"Camera X") << "cut to the maximum; no clip has the cut name";
  ASSERT_EQ(mainMakeUniqueName(1, name, u"Camera C and more", 8), 0);
  EXPECT_EQ(std::u16string(name), u"Camera 2") << "the cut name is taken";
  EXPECT_EQ(mainMakeUniqueName(1, nullptr, u"x", 31), -1);
  EXPECT_EQ(mainMakeUniqueName(1, name, u"x", 0), -1);
}

}  // namespace
}  // namespace ostrel3_test
