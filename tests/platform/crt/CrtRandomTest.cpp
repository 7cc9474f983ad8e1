// SPDX-License-Identifier: MIT
#include "platform/crt/CrtRandom.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

struct CSequenceCase {
    std::uint32_t seed;
    std::vector<int> values; // the first values of rand() after srand(seed)
};

// The sequences of the C runtime generator: state = state * 214013 + 2531011, value =
// bits 16 to 30 of the state.
const CSequenceCase SequenceCases[] = {
    {1, {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}},
    {0, {38, 7719, 21238, 2437, 8855, 11797, 8365, 32285}},
    {12345, {7584, 19164, 25795, 22125, 5828, 23405}},
    {0xFFFFFFFF, {35, 29739, 3374, 11141, 31308}},
};

class CrtRandomSequenceTest : public testing::TestWithParam<CSequenceCase> {};

TEST_P(CrtRandomSequenceTest, FollowsTheRuntimeSequence) {
    CCrtRandom random;
    random.srand(GetParam().seed);
    for (std::size_t i = 0; i < GetParam().values.size(); ++i) {
        EXPECT_EQ(random.rand(), GetParam().values[i]) << "value " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, CrtRandomSequenceTest, testing::ValuesIn(SequenceCases));

TEST(CrtRandomTest, StartsAsSeededWithOne) {
    CCrtRandom fresh, seeded;
    seeded.srand(1);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(fresh.rand(), seeded.rand());
    }
}

TEST(CrtRandomTest, StaysWithinRandMax) {
    CCrtRandom random(987654321);
    for (int i = 0; i < 100000; ++i) {
        const int value = random.rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, CCrtRandom::RAND_MAX_VALUE);
    }
}

} // namespace
