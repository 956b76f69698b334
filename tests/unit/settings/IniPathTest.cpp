#include "settings/IniPath.h"
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(IniPathTest, ExtensionOfTheExecutableBecomesIni)
{
    EXPECT_EQ(IniPathForModule("C:\\Apps\\Corvane.exe"), "C:\\Apps\\Corvane.ini");
    EXPECT_EQ(IniPathForModule("C:\\Apps\\Corvane.tool.exe"), "C:\\Apps\\Corvane.tool.ini");
    EXPECT_EQ(IniPathForModule("Corvane.exe"), "Corvane.ini");
}

TEST(IniPathTest, DotInAFolderIsNoExtension)
{
    EXPECT_EQ(IniPathForModule("C:\\My.Apps\\Corvane"), "C:\\My.Apps\\Corvane.ini");
    EXPECT_EQ(IniPathForModule("Corvane"), "Corvane.ini");
}

TEST(IniPathTest, LongPathIsKeptWhole)
{
    const std::string folder = "C:\\" + std::string(300, 'a') + "\\" + std::string(300, 'b');
    EXPECT_EQ(IniPathForModule(folder + "\\Corvane.exe"), folder + "\\Corvane.ini");
}

} // namespace
