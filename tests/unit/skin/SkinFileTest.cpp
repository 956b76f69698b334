// The skin file format: a named object's background colour, with comments,
// other objects, stray lines and bad colours around it. Platform-neutral: also
// built natively.
#include "skin/SkinFile.h"
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

TEST(ParseSkinColour, TurnsRgbTextIntoTheBgrLayout)
{
    EXPECT_EQ(ParseSkinColour("#DCE6F2"), std::optional<unsigned>(0x00F2E6DCu));
    EXPECT_EQ(ParseSkinColour("#dce6f2"), std::optional<unsigned>(0x00F2E6DCu));
    EXPECT_EQ(ParseSkinColour("#000000"), std::optional<unsigned>(0u));
    EXPECT_EQ(ParseSkinColour("#FF0000"), std::optional<unsigned>(0x000000FFu));
    EXPECT_EQ(ParseSkinColour("#0000ff"), std::optional<unsigned>(0x00FF0000u));
}

TEST(ParseSkinColour, RejectsAnythingElse)
{
    for (const char* bad : { "", "#", "#12345", "#1234567", "DCE6F2", "#DCE6G2", "#DC E6F", " #DCE6F2",
                             "#-12345", "#+12345", "0xDCE6F2", "##DCE6F" })
        EXPECT_EQ(ParseSkinColour(bad), std::nullopt) << '"' << bad << '"';
}

TEST(FindSkinBackground, ReadsTheNamedObject)
{
    const std::string file = "; comment\n[Dialog]\nbackground = #DCE6F2\n";
    EXPECT_EQ(FindSkinBackground(file, "Dialog"), std::optional<unsigned>(0x00F2E6DCu));
}

TEST(FindSkinBackground, MissingObjectOrColourGivesNone)
{
    EXPECT_EQ(FindSkinBackground("", "Dialog"), std::nullopt);
    EXPECT_EQ(FindSkinBackground("[Button]\nbackground=#112233\n", "Dialog"), std::nullopt);
    EXPECT_EQ(FindSkinBackground("[Dialog]\nforeground=#112233\n", "Dialog"), std::nullopt);
    // Before any section a key belongs to no object.
    EXPECT_EQ(FindSkinBackground("background=#112233\n[Dialog]\n", "Dialog"), std::nullopt);
    // Object names are compared exactly.
    EXPECT_EQ(FindSkinBackground("[dialog]\nbackground=#112233\n", "Dialog"), std::nullopt);
    EXPECT_EQ(FindSkinBackground("[Dialogs]\nbackground=#112233\n", "Dialog"), std::nullopt);
}

TEST(FindSkinBackground, CommentsAndOtherObjectsAreSkipped)
{
    const std::string file =
        "# a comment\n"
        "[Button]\n"
        "background = #010101\n"
        "[Dialog]\n"
        "; background = #020202\n"
        "  # background = #030303\n"
        "title = Corvane\n"
        "no equals sign here\n"
        "background = #040506\n"
        "[Button]\n"
        "background = #070707\n";
    EXPECT_EQ(FindSkinBackground(file, "Dialog"), std::optional<unsigned>(0x00060504u));
    EXPECT_EQ(FindSkinBackground(file, "Button"), std::optional<unsigned>(0x00070707u));
}

TEST(FindSkinBackground, LastValidColourWinsAndBadOnesAreIgnored)
{
    const std::string file =
        "[Dialog]\n"
        "background = #102030\n"
        "background = red\n"
        "background = #1020\n"
        "background =\n";
    EXPECT_EQ(FindSkinBackground(file, "Dialog"), std::optional<unsigned>(0x00302010u));
    EXPECT_EQ(FindSkinBackground(file + "background=#AABBCC\n", "Dialog"), std::optional<unsigned>(0x00CCBBAAu));
    EXPECT_EQ(FindSkinBackground("[Dialog]\nbackground = #12345\n", "Dialog"), std::nullopt);
}

TEST(FindSkinBackground, ToleratesWindowsLineEndsSpacesAndNoFinalLineEnd)
{
    EXPECT_EQ(FindSkinBackground("[ Dialog ]\r\n\tbackground\t=\t#A0B0C0 \r\n", "Dialog"),
              std::optional<unsigned>(0x00C0B0A0u));
    EXPECT_EQ(FindSkinBackground("[Dialog]\nbackground=#A0B0C0", "Dialog"), std::optional<unsigned>(0x00C0B0A0u));
}

TEST(FindSkinBackground, BrokenSectionLinesDoNotEndTheObject)
{
    // "[Button" is no section header: the lines after it still belong to Dialog.
    const std::string file = "[Dialog]\n[Button\nbackground=#0A0B0C\n[]\n";
    EXPECT_EQ(FindSkinBackground(file, "Dialog"), std::optional<unsigned>(0x000C0B0Au));
    EXPECT_EQ(FindSkinBackground(std::string("[Dialog]\nbackground=#0A0B0C\0x\n", 30), "Dialog"), std::nullopt);
}

} // namespace
