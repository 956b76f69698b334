#include "ProductKeyScratch.h"
#include "settings/ProductSettings.h"
#include <gtest/gtest.h>

namespace {

DWORD Stored(const char* name)
{
    DWORD data = 0xDEADBEEF;
    EXPECT_TRUE(ProductKeyScratch::GetDword(name, data)) << name;
    return data;
}

} // namespace

TEST(ProductSettings, EditTextIsStoredAsAtoiConvertsIt)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());

    ASSERT_TRUE(SaveWindowSettings("abc", 0, "15min"));
    EXPECT_EQ(Stored("CheckPeriodNum"), 0u);
    EXPECT_EQ(Stored("AccelerateN"), 15u);

    // A negative number is kept as its two's complement and comes back with
    // its minus sign.
    ASSERT_TRUE(SaveWindowSettings("  -5", 1, "+3 "));
    EXPECT_EQ(Stored("CheckPeriodNum"), 0xFFFFFFFBu);
    EXPECT_EQ(Stored("AccelerateN"), 3u);
    EXPECT_EQ(Stored("CheckPeriodCombo"), 1u);
    const StoredWindowSettings stored = ReadWindowSettings();
    EXPECT_EQ(stored.checkPeriod, "-5");
    EXPECT_EQ(stored.accelerateFirst, "3");
    EXPECT_EQ(stored.unitIndex, 1);
}

TEST(ProductSettings, NoUnitSelectionRoundTripsAsMinusOne)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());

    // An index past the list comes back as it is; the list then has no
    // selection, and the next save stores -1.
    ASSERT_TRUE(ProductKeyScratch::PutDword("CheckPeriodCombo", 5));
    EXPECT_EQ(ReadWindowSettings().unitIndex, 5);

    ASSERT_TRUE(SaveWindowSettings("12", -1, "7"));
    EXPECT_EQ(Stored("CheckPeriodCombo"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadWindowSettings().unitIndex, -1);
}

TEST(ProductSettings, SavingLeavesTheOtherValuesAlone)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());
    ASSERT_TRUE(ProductKeyScratch::PutDword("Network", 3));
    ASSERT_TRUE(ProductKeyScratch::PutDword("RunOtherApp", 1));

    ASSERT_TRUE(SaveWindowSettings("20", 0, "4"));
    EXPECT_EQ(Stored("Network"), 3u);
    EXPECT_EQ(Stored("RunOtherApp"), 1u);
}

TEST(ProductSettings, ToggleStoresOneThenZero)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());

    bool flag = ReadProductFlag(kAutoResumeDownloads);
    EXPECT_TRUE(ToggleProductFlag(kAutoResumeDownloads, flag));
    EXPECT_TRUE(flag);
    EXPECT_EQ(Stored("AutoResumeDownloads"), 1u);
    EXPECT_TRUE(ToggleProductFlag(kAutoResumeDownloads, flag));
    EXPECT_FALSE(flag);
    EXPECT_EQ(Stored("AutoResumeDownloads"), 0u);
    // Each toggle writes its own value only.
    DWORD other = 0;
    EXPECT_FALSE(ProductKeyScratch::GetDword("RunOtherApp", other));
}
