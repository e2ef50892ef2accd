// The one scene every synthetic clip records: clips that overlap hear the
// same sound at the same scene moment, whatever their gain and noise; a
// drifting clock moves the match; silent stretches hear nothing of it;
// another scene shares nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <vector>

#include "hostsim/media/sources.h"
#include "hostsim/media/synthetic_sound.h"
#include "hostsim/media/unique_ids.h"

namespace {

using hostsim::MediaSource;
constexpr auto kPal = hostsim::VideoFormat::Pal25;
constexpr int32_t kFramePairs = 1920;

MediaSource take(uint32_t uid, double startSeconds) {
  MediaSource s;
  s.uid = uid;
  s.length = 10'000'000;
  s.sound.startSeconds = startSeconds;
  return s;
}

/// The left channel of frames first .. first + frames - 1.
std::vector<int> left(const MediaSource& s, int32_t first, int32_t frames) {
  std::vector<int> out;
  for (int32_t f = first; f < first + frames; ++f)
    for (int parity = 0; parity < 2; ++parity) {
      const std::vector<int16_t> field = hostsim::fieldSound(s, f, parity, kPal);
      for (size_t i = 0; i < field.size(); i += 2) out.push_back(field[i]);
    }
  return out;
}

int peakOf(const std::vector<int>& v) {
  int peak = 0;
  for (int x : v) peak = std::max(peak, std::abs(x));
  return peak;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
  double ma = 0, mb = 0;
  for (size_t i = 0; i < a.size(); ++i) ma += a[i], mb += b[i];
  ma /= double(a.size()), mb /= double(b.size());
  double ab = 0, aa = 0, bb = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    ab += (a[i] - ma) * (b[i] - mb);
    aa += (a[i] - ma) * (a[i] - ma);
    bb += (b[i] - mb) * (b[i] - mb);
  }
  return ab / std::sqrt(aa * bb);
}

/// Energy per 2.5 ms, in decibels: what a search by envelope compares.
std::vector<double> envelope(const std::vector<int>& v) {
  std::vector<double> e;
  for (size_t i = 0; i + 120 <= v.size(); i += 120) {
    double sum = 1;
    for (size_t k = i; k < i + 120; ++k) sum += double(v[k]) * v[k];
    e.push_back(10 * std::log10(sum));
  }
  return e;
}

TEST(SceneSoundTest, ClipsThatOverlapHearTheSameSceneAtTheSameMoment) {
  struct Case {
    double startA;  // NaN: clip A is placed by its clap at frame 100
    double startB, gainB, noiseB;
    int32_t frameB;  // where the comparison starts
  } cases[] = {
      {10, 25, 1.0, 0.02, 0},        // the band
      {-30, 570, 0.5, 0.05, 200},    // ten minutes apart, quieter and noisier
      {NAN, -2, 0.8, 0.0, 48},       // the clap at B's frame 50
      {NAN, -1.9, 1.0, 0.0, 0},      // the band's rest around the clap: murmur alone
      {0, 0.01, 1.0, 0.02, 0},       // a quarter frame apart: B's frame 0 is A's frame 0.25
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "A at " << c.startA << ", B at " << c.startB);
    MediaSource a = take(1, std::isnan(c.startA) ? 0 : c.startA);
    if (std::isnan(c.startA)) a.sound.startSeconds.reset(), a.clapFrame = 100;
    const double startA = std::isnan(c.startA) ? -4.0 : c.startA;
    MediaSource b = take(2, c.startB);
    b.sound.gain = c.gainB, b.sound.noise = c.noiseB;
    // B's frame f lies at scene time startB + f / 25: A's sample there.
    const int64_t offset = std::llround((c.startB - startA) * 48000) + int64_t(c.frameB) * kFramePairs;
    const int32_t frameA = int32_t(offset / kFramePairs);
    const std::vector<int> heardA = left(a, frameA, 6), heardB = left(b, c.frameB, 5);
    const size_t skip = size_t(offset % kFramePairs);
    const double tolerance = 8000 * (c.noiseB + c.gainB * a.sound.noise) + 2;
    double worst = 0;
    for (size_t i = 0; i < heardB.size(); ++i) worst = std::max(worst, std::abs(heardB[i] - c.gainB * heardA[skip + i]));
    EXPECT_LE(worst, tolerance);
    EXPECT_GT(peakOf(heardB), 3 * tolerance) << "the scene is heard, not the noise";
  }
}

TEST(SceneSoundTest, TheClapFallsOnTheFirstSampleOfTheClapFrameWhateverTheClock) {
  for (double ppm : {0.0, 150.0, -1000.0}) {
    MediaSource s = take(3, 0);
    s.sound.startSeconds.reset();
    s.sound.noise = 0, s.sound.driftPpm = ppm, s.clapFrame = 90000;
    const std::vector<int> heard = left(s, 89999, 3);
    EXPECT_EQ(heard[kFramePairs], hostsim::kClapPeak) << ppm;
    EXPECT_LE(peakOf({heard.begin(), heard.begin() + kFramePairs}), hostsim::kBackgroundPeak) << ppm;
    EXPECT_LE(peakOf({heard.begin() + 2 * kFramePairs, heard.end()}), hostsim::kBackgroundPeak) << ppm;
  }
}

TEST(SceneSoundTest, AClockThatDriftsHearsTheSceneLaterOrEarlierByItsPartsPerMillion) {
  constexpr int32_t kHour = 90000;  // frames
  struct Case {
    double ppm;
    int64_t lag;  // samples of the scene ahead of the clip after an hour
  } cases[] = {{150, 25920}, {-150, -25920}, {-1000, -172800}, {0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ppm);
    MediaSource steady = take(4, 0), drifting = take(5, 0);
    steady.sound.noise = drifting.sound.noise = 0;
    drifting.sound.driftPpm = c.ppm;
    // Five milliseconds, over which even 1000 ppm moves the match by a quarter sample.
    std::vector<int> heard = left(drifting, kHour, 1);
    heard.resize(240);
    // Search a second either side of the expected lag in the steady clip.
    const int32_t from = kHour + int32_t(c.lag / kFramePairs) - 26;
    const std::vector<int> truth = left(steady, from, 53);
    int64_t best = -1;
    double bestError = 1e300, energy = 0;
    for (size_t lag = 0; lag + heard.size() <= truth.size(); ++lag) {
      double error = 0;
      for (size_t i = 0; i < heard.size() && error < bestError; ++i) error += std::pow(heard[i] - truth[lag + i], 2);
      if (error < bestError) bestError = error, best = int64_t(lag);
    }
    for (int v : heard) energy += double(v) * v;
    EXPECT_NEAR(double(int64_t(from) * kFramePairs + best - int64_t(kHour) * kFramePairs), double(c.lag), 1.0);
    EXPECT_LT(bestError, 1e-2 * energy);
  }
}

TEST(SceneSoundTest, SilentStretchesHearOnlyTheMicrophonesOwnNoise) {
  for (double noise : {0.0, 0.1}) {
    SCOPED_TRACE(noise);
    MediaSource s = take(6, 7);
    s.sound.noise = noise;
    s.sound.silent = {{10, 20}, {15, 16}};
    MediaSource deaf = s;  // hears nothing anywhere
    deaf.sound.gain = 0;
    for (int32_t f = 8; f <= 22; ++f) {
      const std::vector<int> heard = left(s, f, 1), noiseAlone = left(deaf, f, 1);
      EXPECT_EQ(heard == noiseAlone, f >= 10 && f <= 20) << f;
      EXPECT_EQ(peakOf(noiseAlone) == 0, noise == 0) << f;
    }
  }
}

TEST(SceneSoundTest, ClipsOfAnotherSceneShareNothingWithIt) {
  const std::vector<int> one = left(take(7, 5), 0, 250);  // ten seconds of scene 1
  const std::vector<double> oneEnvelope = envelope(one);
  struct Case {
    int32_t scene;
    bool shared;
  } cases[] = {{1, true}, {2, false}, {3, false}, {99, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scene);
    MediaSource other = take(8, 5);
    other.sound.scene = c.scene, other.sound.noise = 0.05;
    const std::vector<int> heard = left(other, 0, 250);
    const std::vector<double> heardEnvelope = envelope(heard);
    EXPECT_EQ(correlation({one.begin(), one.end()}, {heard.begin(), heard.end()}) > 0.9, c.shared);
    // The envelopes of different scenes stay apart at every lag within half a second.
    double closest = -1;
    const size_t span = heardEnvelope.size() - 400;
    for (size_t lag = 0; lag <= 800; ++lag) {
      const std::vector<double> a(oneEnvelope.begin() + 200, oneEnvelope.begin() + 200 + ptrdiff_t(span) - 400);
      const std::vector<double> b(heardEnvelope.begin() + ptrdiff_t(lag), heardEnvelope.begin() + ptrdiff_t(lag) + ptrdiff_t(a.size()));
      closest = std::max(closest, correlation(a, b));
    }
    if (c.shared) EXPECT_GT(closest, 0.9);
    else EXPECT_LT(closest, 0.3);
  }
}

// Sound settings come from scripts and from tests' own setups: the bin
// carries them to the media, and refuses what would make no sense of the
// scene's clock rather than generating from it.
TEST(SceneSoundTest, TheBinTakesEachClipsSoundAndRefusesSettingsOutOfBounds) {
  struct Case {
    const char* what;
    std::function<void(hostsim::ClipSound&)> set;
    bool taken;
  } cases[] = {
      {"all set", [](hostsim::ClipSound& s) { s = {3, -12.5, 0.5, 0.1, -150, {{2, 4}}}; }, true},
      {"scene 0", [](hostsim::ClipSound& s) { s.scene = 0; }, false},
      {"start not a number", [](hostsim::ClipSound& s) { s.startSeconds = NAN; }, false},
      {"negative gain", [](hostsim::ClipSound& s) { s.gain = -1; }, false},
      {"endless noise", [](hostsim::ClipSound& s) { s.noise = INFINITY; }, false},
      {"drift out of bounds", [](hostsim::ClipSound& s) { s.driftPpm = 1e6; }, false},
      {"silent backwards", [](hostsim::ClipSound& s) { s.silent = {{5, 4}}; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    hostsim::ClipConfig clip{9, "Clip", 100};
    c.set(clip.sound);
    hostsim::UniqueIds ids({});
    if (!c.taken) {
      EXPECT_THROW(hostsim::SourceCatalogue({clip}, ids), std::invalid_argument);
      continue;
    }
    const hostsim::SourceCatalogue bin({clip}, ids);
    const hostsim::MediaSource& s = bin.all().front();
    EXPECT_EQ(s.sound.scene, 3);
    EXPECT_EQ(s.sound.startSeconds, -12.5);
    EXPECT_EQ(s.sound.driftPpm, -150);
    EXPECT_EQ(s.sound.silent.size(), 1u);
  }
}

}  // namespace
