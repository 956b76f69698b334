#include "tray/TrayGeometry.h"
#include <shellapi.h>
#include <gtest/gtest.h>

namespace {

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (EqualRect(&actual, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << ")";
}

TEST(TrayGeometryTest, ChildClassesAreMatchedExactly)
{
    EXPECT_EQ(ClassifyTrayChild("TrayNotifyWnd"), TrayChildKind::NotifyArea);
    EXPECT_EQ(ClassifyTrayChild("TrayClockWClass"), TrayChildKind::Clock);
    EXPECT_EQ(ClassifyTrayChild("traynotifywnd"), TrayChildKind::Other);
    EXPECT_EQ(ClassifyTrayChild("TrayNotifyWndX"), TrayChildKind::Other);
    EXPECT_EQ(ClassifyTrayChild(""), TrayChildKind::Other);
}

TEST(TrayGeometryTest, HorizontalTaskbarCutsAtTheClocksLeftEdge)
{
    RECT area = { 0, 738, 1024, 768 };
    EXPECT_TRUE(RefineTrayArea(area, TrayChildKind::Other, RECT{ 0, 738, 60, 768 }));
    EXPECT_TRUE(RefineTrayArea(area, TrayChildKind::NotifyArea, RECT{ 840, 740, 1022, 766 }));
    EXPECT_FALSE(RefineTrayArea(area, TrayChildKind::Clock, RECT{ 970, 742, 1020, 764 }));
    EXPECT_TRUE(SameRect(area, RECT{ 840, 740, 970, 766 }));
}

TEST(TrayGeometryTest, ClockAboveTheIconsCutsFromTheTop)
{
    RECT area = { 0, 700, 60, 1000 };
    EXPECT_FALSE(RefineTrayArea(area, TrayChildKind::Clock, RECT{ 2, 702, 58, 994 }));
    EXPECT_TRUE(SameRect(area, RECT{ 0, 994, 60, 1000 }));
}

TEST(TrayGeometryTest, ClockExactlyFivePixelsAboveCountsAsBeside)
{
    RECT area = { 0, 700, 60, 1000 };
    EXPECT_FALSE(RefineTrayArea(area, TrayChildKind::Clock, RECT{ 2, 702, 58, 995 }));
    EXPECT_TRUE(SameRect(area, RECT{ 0, 700, 2, 1000 }));
}

TEST(TrayGeometryTest, TaskbarPositionGivesItsFarEnd)
{
    const RECT vertical = { 0, 0, 60, 1000 };
    EXPECT_TRUE(SameRect(TrayAreaFromTaskbarPos(vertical, ABE_LEFT), RECT{ 0, 900, 60, 984 }));
    EXPECT_TRUE(SameRect(TrayAreaFromTaskbarPos(RECT{ 964, 0, 1024, 768 }, ABE_RIGHT), RECT{ 964, 668, 1024, 752 }));
    EXPECT_TRUE(SameRect(TrayAreaFromTaskbarPos(RECT{ 0, 738, 1024, 768 }, ABE_BOTTOM), RECT{ 924, 738, 1008, 768 }));
    EXPECT_TRUE(SameRect(TrayAreaFromTaskbarPos(RECT{ 0, 0, 1024, 30 }, ABE_TOP), RECT{ 924, 0, 1008, 30 }));
}

TEST(TrayGeometryTest, WorkAreaGivesItsBottomRightCorner)
{
    EXPECT_TRUE(SameRect(TrayAreaFromWorkArea(RECT{ 0, 0, 1024, 738 }), RECT{ 874, 708, 1024, 738 }));
}

} // namespace
