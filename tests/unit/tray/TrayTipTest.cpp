#include "tray/TrayTip.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace {

// Japanese Shift-JIS (code page 932): lead bytes 0x81-0x9F and 0xE0-0xFC, and
// trail bytes that can fall into the lead range themselves.
bool ShiftJisLead(unsigned char byte)
{
    return ::IsDBCSLeadByteEx(932, byte) != FALSE;
}

bool SingleByte(unsigned char)
{
    return false;
}

constexpr std::size_t kMax = TRAY_TIP_MAX - 1;
const std::string kKanji = "\x88\x9F"; // U+4E9C; its trail byte 0x9F is a lead byte too

TEST(TrayTipTest, ShortTextIsCopiedWhole)
{
    EXPECT_EQ(TipCopyLength("Corvane", kMax, &SingleByte), 7u);
    EXPECT_EQ(TipCopyLength("", kMax, &SingleByte), 0u);
    EXPECT_EQ(TipCopyLength(nullptr, kMax, &SingleByte), 0u);
}

TEST(TrayTipTest, LongTextIsCutAt127Bytes)
{
    EXPECT_EQ(TipCopyLength(std::string(127, 'x').c_str(), kMax, &SingleByte), 127u);
    EXPECT_EQ(TipCopyLength(std::string(200, 'x').c_str(), kMax, &SingleByte), 127u);
}

TEST(TrayTipTest, DoubleByteCharacterAcrossTheLimitIsLeftOut)
{
    const std::string tip = std::string(126, 'x') + kKanji;
    EXPECT_EQ(TipCopyLength(tip.c_str(), kMax, &ShiftJisLead), 126u);
}

TEST(TrayTipTest, CharactersAreWalkedFromTheStart)
{
    // Byte 126 is the trail byte 0x9F: judged alone it looks like a lead byte,
    // but it ends the 63rd character, which fits exactly.
    std::string tip = "x";
    for (int i = 0; i < 70; ++i)
        tip += kKanji;
    EXPECT_EQ(TipCopyLength(tip.c_str(), kMax, &ShiftJisLead), 127u);
    EXPECT_EQ(TipCopyLength(tip.c_str() + 1, kMax, &ShiftJisLead), 126u);
}

TEST(TrayTipTest, LeadByteBeforeTheEndCountsAsOneByte)
{
    EXPECT_EQ(TipCopyLength("ab\x88", kMax, &ShiftJisLead), 3u);
}

} // namespace
