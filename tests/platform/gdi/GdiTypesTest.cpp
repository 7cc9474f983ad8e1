// SPDX-License-Identifier: MIT
#include "platform/gdi/GdiTypes.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

struct CMulDivCase {
    int a, b, c;
    int nExpected;
};

const CMulDivCase MulDivCases[] = {
    // Halves round away from zero, whatever the signs.
    {3, 1, 2, 2},
    {-3, 1, 2, -2},
    {3, -1, 2, -2},
    {5, 1, -2, -3},
    {-5, 1, -2, 3},
    {1, 1, 2, 1},
    {-1, 1, 2, -1},
    // Other fractions round to the nearest.
    {1, 1, 3, 0},
    {2, 1, 3, 1},
    {-2, 1, 3, -1},
    {7, 0, 5, 0},
    {100, 2, 7, 29},
    // A zero divisor gives -1.
    {5, 7, 0, -1},
    {0, 0, 0, -1},
    // The product is kept in 64 bits.
    {2000000000, 3, 4, 1500000000},
    {-2000000000, 3, 4, -1500000000},
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    {INT_MIN, 1, 1, INT_MIN},
    // A result beyond 32 bits gives -1.
    {2000000000, 2, 1, -1},
    {INT_MIN, -1, 1, -1},
    {INT_MAX, INT_MAX, 1, -1},
};

class MulDivTest : public testing::TestWithParam<CMulDivCase> {};

TEST_P(MulDivTest, RoundsToNearest) {
    const CMulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.nExpected)
        << "MulDiv(" << c.a << ", " << c.b << ", " << c.c << ")";
}

INSTANTIATE_TEST_SUITE_P(Cases, MulDivTest, testing::ValuesIn(MulDivCases));

TEST(RectTest, NormalizeSwapsInvertedSides) {
    CRect rc{30, 10, 25, 2};
    rc.NormalizeRect();
    EXPECT_EQ(rc, (CRect{25, 2, 30, 10}));
    EXPECT_FALSE(rc.IsRectEmpty());
    EXPECT_TRUE((CRect{5, 5, 5, 9}).IsRectEmpty());
}

} // namespace
