// SPDX-License-Identifier: MIT
#include "core/random.h"

#include <gtest/gtest.h>

#include <vector>
#include <map>

#include "platform/testing/complex_values.h"

namespace {

class RandomTest : public ::testing::Test {
 protected:
  void TearDown() override { SetUniformSource(nullptr); }
  static void Script(std::vector<double> values) {
    SetUniformSource(std::make_unique<ScriptedSource>(std::move(values)));
  }
};

TEST_F(RandomTest, RandomIntSplitsTheUnitIntervalEvenly) {
  Script({0.0, 0.0666, 0.0667, 0.5, 0.9999999});
  EXPECT_EQ(RandomInt(-5, 9), -5);
  EXPECT_EQ(RandomInt(-5, 9), -5);  // 0.0666 * 15 is still below 1
  EXPECT_EQ(RandomInt(-5, 9), -4);
  EXPECT_EQ(RandomInt(-5, 9), 2);
  EXPECT_EQ(RandomInt(-5, 9), 9);
}

TEST_F(RandomTest, RandomIntStaysInRangeForAStraySource) {
  Script({1.0, -0.5});
  EXPECT_EQ(RandomInt(1, 6), 6);
  EXPECT_EQ(RandomInt(1, 6), 1);
}

TEST_F(RandomTest, RandomCplxDrawsRealPartThenImaginaryPart) {
  Script({0.0, 1.0 / 3, 0.4, 0.0});
  const Cplx first = RandomCplx();
  EXPECT_EQ(first.Re, -5);
  EXPECT_EQ(first.Im, 0);
  EXPECT_EQ(first.Arg, 180);
  EXPECT_EQ(first.Mod, 5);
  const Cplx second = RandomCplx();
  EXPECT_EQ(second.Re, 1);
  EXPECT_EQ(second.Im, -5);
}

TEST_F(RandomTest, SeedingFromTheClockLeavesADeterministicSourceAlone) {
  Script({0.5});
  SeedRandomFromClock();
  EXPECT_EQ(RandomInt(0, 9), 5);
}

TEST_F(RandomTest, DefaultSourceCoversMinusFiveToNine) {
  SeedRandomFromClock();
  std::map<int, int> seen;
  double sum = 0;
  const int draws = 30000;
  for (int k = 0; k < draws; ++k) {
    const Cplx z = RandomCplx();
    ++seen[static_cast<int>(z.Re)];
    ++seen[static_cast<int>(z.Im)];
    sum += z.Re + z.Im;
  }
  ASSERT_EQ(seen.size(), 15u);
  EXPECT_EQ(seen.begin()->first, -5);
  EXPECT_EQ(seen.rbegin()->first, 9);
  for (const auto& [value, count] : seen) EXPECT_GT(count, 2 * draws / 15 / 2) << value;
  EXPECT_NEAR(sum / (2 * draws), 2, 0.15);
}

}  // namespace
