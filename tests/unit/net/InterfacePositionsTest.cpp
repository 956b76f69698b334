#include "net/InterfacePositions.h"
#include <gtest/gtest.h>

TEST(InterfacePositions, PositionsNameTheRowsTheyWereGiven)
{
    CInterfacePositions positions;
    EXPECT_EQ(positions.RowAt(0), -1);
    ASSERT_TRUE(positions.Add(1));
    ASSERT_TRUE(positions.Add(4));
    EXPECT_EQ(positions.Count(), 2);
    EXPECT_EQ(positions.RowAt(0), 1);
    EXPECT_EQ(positions.RowAt(1), 4);
    EXPECT_EQ(positions.RowAt(2), -1);
    EXPECT_EQ(positions.RowAt(-1), -1);
}

TEST(InterfacePositions, TheFirst256AreKept)
{
    CInterfacePositions positions;
    for (int row = 0; row < 256; ++row)
        ASSERT_TRUE(positions.Add(row + 10));
    EXPECT_FALSE(positions.Add(999));
    EXPECT_EQ(positions.Count(), 256);
    EXPECT_EQ(positions.RowAt(255), 265);
    EXPECT_EQ(positions.RowAt(256), -1);
}
