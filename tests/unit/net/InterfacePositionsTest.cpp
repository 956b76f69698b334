#include "net/InterfacePositions.h"
#include <gtest/gtest.h>

TEST(InterfacePositions, PositionsNameTheInterfacesTheyWereGiven)
{
    CInterfacePositions positions;
    EXPECT_EQ(positions.IndexAt(0), std::nullopt);
    ASSERT_TRUE(positions.Add(1));
    ASSERT_TRUE(positions.Add(0xFFFFFFFFu));
    EXPECT_EQ(positions.Count(), 2);
    EXPECT_EQ(positions.IndexAt(0), 1u);
    EXPECT_EQ(positions.IndexAt(1), 0xFFFFFFFFu);
    EXPECT_EQ(positions.IndexAt(2), std::nullopt);
    EXPECT_EQ(positions.IndexAt(-1), std::nullopt);
}

TEST(InterfacePositions, TheFirst256AreKept)
{
    CInterfacePositions positions;
    for (std::uint32_t index = 0; index < 256; ++index)
        ASSERT_TRUE(positions.Add(index + 10));
    EXPECT_FALSE(positions.Add(999));
    EXPECT_EQ(positions.Count(), 256);
    EXPECT_EQ(positions.IndexAt(255), 265u);
    EXPECT_EQ(positions.IndexAt(256), std::nullopt);
}
