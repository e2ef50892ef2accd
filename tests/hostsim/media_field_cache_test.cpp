// The render library's field cache: a field fetched again is a copy of the
// painted one, and the cache keeps a bounded number of fields and bytes.
#include <cstring>
#include <vector>

#include "hostsim/media/field_cache.h"
#include "media_fixture.h"

namespace ostrel3_test {
namespace {

using hostsim::FieldCache;
using hostsim::FieldKey;
using hostsim::ImageView;

// A padded planar picture owned by the test: rows longer than the picture,
// so that copies that ignore the stride show.
struct Picture {
  Picture(int w, int h) {
    view.width = w, view.height = h, view.type = OP_IMAGE_YUV420;
    view.stride[0] = w + 16;
    view.stride[1] = view.stride[2] = (w + 1) / 2 + 8;
    const int ch = (h + 1) / 2;
    for (int p = 0; p < 3; ++p) bytes[p].assign(size_t(view.stride[p]) * (p ? ch : h), 0xEE);
    for (int p = 0; p < 3; ++p) view.plane[p] = bytes[p].data();
  }
  void fill(uint8_t seed) {
    for (int p = 0; p < 3; ++p)
      for (size_t i = 0; i < bytes[p].size(); ++i) bytes[p][i] = uint8_t(seed + i * 7 + p);
  }
  // Only the picture's own samples, not the padding.
  std::vector<uint8_t> samples() const {
    std::vector<uint8_t> out;
    for (int p = 0; p < 3; ++p) {
      const int w = p ? (view.width + 1) / 2 : view.width, h = p ? (view.height + 1) / 2 : view.height;
      for (int y = 0; y < h; ++y) out.insert(out.end(), view.plane[p] + y * view.stride[p], view.plane[p] + y * view.stride[p] + w);
    }
    return out;
  }
  ImageView view;
  std::vector<uint8_t> bytes[3];
};

FieldKey key(int media, int32_t frame, int width = 101, int height = 51) { return FieldKey{media, frame, 0, width, height}; }

TEST(FieldCacheTest, AKeptFieldComesBackSampleForSampleWithItsPaddingUntouched) {
  FieldCache cache;
  Picture painted(101, 51), fetched(101, 51);
  painted.fill(3);
  cache.keep(key(0, 5), painted.view);
  ASSERT_TRUE(cache.fetch(key(0, 5), fetched.view));
  EXPECT_EQ(fetched.samples(), painted.samples());
  EXPECT_EQ(fetched.bytes[0][101], 0xEE) << "the row's padding is not the cache's to write";
  EXPECT_EQ(cache.bytes(), hostsim::planarBytes(101, 51));
  EXPECT_EQ(cache.hits(), 1u);
}

TEST(FieldCacheTest, OtherFramesParitiesSizesAndMediaAreMisses) {
  FieldCache cache;
  Picture painted(101, 51), other(100, 51);
  cache.keep(key(0, 5), painted.view);
  EXPECT_FALSE(cache.fetch(key(1, 5), painted.view));
  EXPECT_FALSE(cache.fetch(key(0, 6), painted.view));
  EXPECT_FALSE(cache.fetch(FieldKey{0, 5, 1, 101, 51}, painted.view));
  EXPECT_FALSE(cache.fetch(key(0, 5, 100, 51), other.view));
  EXPECT_FALSE(cache.fetch(key(0, 5), other.view)) << "a picture of another size than the key is never written";
  EXPECT_EQ(cache.hits(), 0u);
}

TEST(FieldCacheTest, EachMediaKeepsItsMostRecentlyUsedFields) {
  FieldCache cache(3, FieldCache::kMaxBytes);
  Picture p(101, 51);
  for (int32_t f = 0; f < 3; ++f) cache.keep(key(0, f), p.view);
  cache.keep(key(1, 0), p.view);
  ASSERT_TRUE(cache.fetch(key(0, 0), p.view));  // frame 0 is now the most recent of media 0
  cache.keep(key(0, 3), p.view);
  cache.keep(key(0, 4), p.view);
  EXPECT_EQ(cache.fieldsOf(0), 3u);
  EXPECT_EQ(cache.fieldsOf(1), 1u) << "another media's fields are not pushed out";
  EXPECT_TRUE(cache.fetch(key(0, 0), p.view));
  EXPECT_FALSE(cache.fetch(key(0, 1), p.view));
  EXPECT_FALSE(cache.fetch(key(0, 2), p.view));
  EXPECT_TRUE(cache.fetch(key(0, 4), p.view));
  cache.keep(key(0, 4), p.view);
  EXPECT_EQ(cache.fieldsOf(0), 3u) << "keeping a field again replaces it";
  EXPECT_EQ(cache.bytes(), 4 * hostsim::planarBytes(101, 51));
}

TEST(FieldCacheTest, TheByteBudgetBoundsAllMediaTogether) {
  const size_t field = hostsim::planarBytes(101, 51);
  FieldCache cache(8, 3 * field);
  Picture p(101, 51), big(200, 100);
  for (int media = 0; media < 5; ++media) cache.keep(key(media, 0), p.view);
  EXPECT_EQ(cache.fields(), 3u);
  EXPECT_LE(cache.bytes(), 3 * field);
  EXPECT_FALSE(cache.fetch(key(0, 0), p.view)) << "the least recently used go first";
  EXPECT_TRUE(cache.fetch(key(4, 0), p.view));

  cache.keep(key(9, 0, 200, 100), big.view);
  EXPECT_FALSE(cache.fetch(key(9, 0, 200, 100), big.view)) << "a field larger than the budget is not kept";
  EXPECT_EQ(cache.fields(), 3u) << "and pushes nothing out";
}

class FieldCacheRenderTest : public MediaTest {
 protected:
  void SetUp() override {
    MediaTest::SetUp();
    render_ = cmOpen(0, 0);
    image_ = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
    ASSERT_NE(image_, nullptr);
  }
  void TearDown() override {
    opFreeImage(image_);
    MediaTest::TearDown();
  }
  int32_t field(uint32_t uid, int32_t frame, int parity = 0) {
    return 2 * nslGetVideoFrameOffset(bin(uid), frame) + parity;
  }
  const FieldCache& cache() { return host().media().render().fieldCache(); }
  std::vector<uint8_t> pixels(const OP_IMAGE* image) {
    const ImageView v = host().media().images().view(image).value();
    return std::vector<uint8_t>(v.plane[0], v.plane[0] + hostsim::planarBytes(v.width, v.height));
  }

  CM_HANDLE render_ = 0;
  OP_IMAGE* image_ = nullptr;
};

TEST_F(FieldCacheRenderTest, AFieldFetchedAgainIsTheSameAsAFreshlyPaintedOne) {
  ASSERT_EQ(cmGetField(render_, image_, 0, field(kUidB, 42, 1)), 0);
  ASSERT_EQ(cmGetField(render_, image_, 0, field(kUidA, 7)), 0);  // the image now holds another picture
  ASSERT_EQ(cache().hits(), 0u);
  ASSERT_EQ(cmGetField(render_, image_, 0, field(kUidB, 42, 1)), 0);
  EXPECT_EQ(cache().hits(), 1u);

  OP_IMAGE* fresh = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  hostsim::SyntheticPicture painter;
  painter.paint(host().media().sources().all()[1], 42, 1, host().media().images().view(fresh).value());
  EXPECT_EQ(pixels(image_), pixels(fresh));
  opFreeImage(fresh);
}

TEST_F(FieldCacheRenderTest, ImagesOfAnotherSizeGetTheirOwnPaintedField) {
  OP_IMAGE* odd = opAllocImage(355, 143, OP_IMAGE_YUV420, nullptr);
  ASSERT_EQ(cmGetField(render_, image_, 0, field(kUidC, 900)), 0);
  ASSERT_EQ(cmGetField(render_, odd, 0, field(kUidC, 900)), 0);
  EXPECT_EQ(cache().hits(), 0u);
  EXPECT_EQ(readFrameNumber(host().media().images().view(odd).value()), 900);
  ASSERT_EQ(cmGetField(render_, odd, 0, field(kUidC, 900)), 0);
  EXPECT_EQ(cache().hits(), 1u);
  EXPECT_EQ(readFrameNumber(host().media().images().view(odd).value()), 900);
  opFreeImage(odd);
}

TEST_F(FieldCacheRenderTest, PlayingThroughAClipKeepsOnlyItsLastFewFields) {
  for (int32_t f = 0; f < 40; ++f) ASSERT_EQ(cmGetField(render_, image_, 0, field(kUidC, f, f & 1)), 0);
  EXPECT_EQ(cache().fieldsOf(2), FieldCache::kFieldsPerMedia);
  EXPECT_EQ(cache().bytes(), FieldCache::kFieldsPerMedia * hostsim::planarBytes(720, 288));
  ASSERT_EQ(cmGetField(render_, image_, 0, field(kUidC, 39, 1)), 0);
  ASSERT_EQ(cmGetField(render_, image_, 0, field(kUidC, 0)), 0);
  EXPECT_EQ(cache().hits(), 1u) << "only the latest fields are kept";
  EXPECT_EQ(readFrameNumber(host().media().images().view(image_).value()), 0);
}

}  // namespace
}  // namespace ostrel3_test
