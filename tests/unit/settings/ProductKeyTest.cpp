#include "ProductKeyScratch.h"
#include "settings/ProductKey.h"
#include "settings/ProductSettings.h"
#include <gtest/gtest.h>

TEST(ProductKey, LivesUnderTheProductName)
{
    EXPECT_EQ(ProductKeyPath(), "SOFTWARE\\Corvane");
}

TEST(ProductKey, FirstRunReadsEveryDefaultAndCreatesNothing)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());

    const StoredWindowSettings stored = ReadWindowSettings();
    EXPECT_EQ(stored.checkPeriod, "12");
    EXPECT_EQ(stored.accelerateFirst, "7");
    EXPECT_EQ(stored.unitIndex, 0);
    EXPECT_EQ(stored.network, 0);
    EXPECT_FALSE(ReadProductFlag(kAutoResumeDownloads));
    EXPECT_FALSE(ReadProductFlag(kRunOtherApp));
    EXPECT_FALSE(ProductKeyScratch::ProductKeyExists());

    // The first write creates it.
    EXPECT_TRUE(WriteProductValue(kNetwork, 2));
    EXPECT_TRUE(ProductKeyScratch::ProductKeyExists());
    EXPECT_EQ(ReadWindowSettings().network, 2);
}

TEST(ProductKey, FourBytesAreANumberWhateverTheirType)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());
    // Text that looks like a number, a 2-byte value and a value too long for
    // the 4-byte buffer (whose contents the platform leaves undefined) give
    // the defaults; four bytes of binary are taken.
    ASSERT_TRUE(ProductKeyScratch::Put("CheckPeriodNum", REG_SZ, "30", 3));
    const unsigned char two[2] = {5, 0};
    ASSERT_TRUE(ProductKeyScratch::Put("AccelerateN", REG_BINARY, two, sizeof two));
    const unsigned long long eight = 3;
    ASSERT_TRUE(ProductKeyScratch::Put("CheckPeriodCombo", REG_QWORD, &eight, sizeof eight));
    const DWORD four = 4;
    ASSERT_TRUE(ProductKeyScratch::Put("Network", REG_BINARY, &four, sizeof four));

    const StoredWindowSettings stored = ReadWindowSettings();
    EXPECT_EQ(stored.checkPeriod, "12");
    EXPECT_EQ(stored.accelerateFirst, "7");
    EXPECT_EQ(stored.unitIndex, 0);
    EXPECT_EQ(stored.network, 4);
}

TEST(ProductKey, AnyNonzeroFlagReadsAsSet)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());
    ASSERT_TRUE(ProductKeyScratch::PutDword("RunOtherApp", 7));
    ASSERT_TRUE(ProductKeyScratch::PutDword("AutoResumeDownloads", 0xFFFFFFFF));
    EXPECT_TRUE(ReadProductFlag(kRunOtherApp));
    EXPECT_TRUE(ReadProductFlag(kAutoResumeDownloads));
}

TEST(ProductKey, ReadOnlyKeyStillReadsButTakesNoWrite)
{
    ProductKeyScratch scratch;
    ASSERT_TRUE(scratch.Valid());
    ASSERT_TRUE(ProductKeyScratch::PutDword("CheckPeriodNum", 30));
    ASSERT_TRUE(ProductKeyScratch::PutDword("RunOtherApp", 1));
    ASSERT_TRUE(scratch.MakeProductKeyReadOnly());
    ASSERT_FALSE(CProductKeyWriter().IsOpen());

    EXPECT_EQ(ReadWindowSettings().checkPeriod, "30");
    EXPECT_FALSE(SaveWindowSettings("45", 1, "9"));
    EXPECT_FALSE(WriteProductValue(kNetwork, 3));

    // The toggles keep their new state in memory only.
    bool runOtherApp = ReadProductFlag(kRunOtherApp);
    EXPECT_FALSE(ToggleProductFlag(kRunOtherApp, runOtherApp));
    EXPECT_FALSE(runOtherApp);
    bool autoResume = false;
    EXPECT_FALSE(ToggleProductFlag(kAutoResumeDownloads, autoResume));
    EXPECT_TRUE(autoResume);

    DWORD data = 0;
    EXPECT_TRUE(ProductKeyScratch::GetDword("CheckPeriodNum", data));
    EXPECT_EQ(data, 30u);
    EXPECT_TRUE(ProductKeyScratch::GetDword("RunOtherApp", data));
    EXPECT_EQ(data, 1u);
    EXPECT_FALSE(ProductKeyScratch::GetDword("AccelerateN", data));
    EXPECT_FALSE(ProductKeyScratch::GetDword("Network", data));
    EXPECT_FALSE(ProductKeyScratch::GetDword("AutoResumeDownloads", data));
}
