// Which folders count as protected, and what lies inside one.
#include "framework/ProtectedFolder.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>

namespace {

TEST(PathIsInside, ComparesWholeComponentsWhateverTheirCase)
{
    const std::wstring folder = L"C:\\Program Files";
    EXPECT_TRUE(PathIsInside(L"C:\\Program Files\\Corvane\\Corvane.exe", folder));
    EXPECT_TRUE(PathIsInside(L"c:\\PROGRAM FILES\\Corvane\\Corvane.exe", folder));
    EXPECT_TRUE(PathIsInside(L"C:\\Program Files\\Corvane.exe", L"C:\\Program Files\\"));
    EXPECT_TRUE(PathIsInside(L"\\\\?\\C:\\Program Files\\Corvane\\Corvane.exe", folder));
    EXPECT_TRUE(PathIsInside(L"C:\\Programmé\\Corvane.exe", L"C:\\PROGRAMMÉ"));

    EXPECT_FALSE(PathIsInside(L"C:\\Program FilesX\\Corvane.exe", folder));
    EXPECT_FALSE(PathIsInside(L"C:\\Program Files (x86)\\Corvane\\Corvane.exe", folder));
    EXPECT_FALSE(PathIsInside(L"C:\\Program Files", folder));
    EXPECT_FALSE(PathIsInside(L"C:\\Program Files\\", folder));
    EXPECT_FALSE(PathIsInside(L"D:\\Program Files\\Corvane\\Corvane.exe", folder));
    EXPECT_FALSE(PathIsInside(L"C:\\Program Files\\..\\Users\\me\\Corvane.exe", folder));
    EXPECT_FALSE(PathIsInside(L"C:\\Program Files\\Corvane\\.\\..\\..\\Corvane.exe", folder));
    EXPECT_FALSE(PathIsInside(L"C:\\Users\\me\\Corvane.exe", L""));
    EXPECT_FALSE(PathIsInside(L"", folder));
}

bool Names(const std::vector<std::wstring>& folders, const std::wstring& folder)
{
    return std::any_of(folders.begin(), folders.end(),
                       [&](const std::wstring& named) { return ::lstrcmpiW(named.c_str(), folder.c_str()) == 0; });
}

bool On64BitWindows()
{
    // The native system's, which a 32-bit program on 64-bit Windows is told too.
    SYSTEM_INFO system = {};
    ::GetNativeSystemInfo(&system);
    return system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
}

// Both folders on 64-bit Windows, the one on 32-bit Windows. The variable a
// parent process or the user's environment sets names no protected folder.
TEST(ProtectedFolders, AreTheProgramFilesFoldersAndNotWhatAVariableSays)
{
    wchar_t original[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"ProgramW6432", original, MAX_PATH);
    ASSERT_TRUE(::SetEnvironmentVariableW(L"ProgramW6432", L"C:\\users\\Public"));
    const std::vector<std::wstring> folders = ProtectedFolders();
    ::SetEnvironmentVariableW(L"ProgramW6432", length > 0 && length < MAX_PATH ? original : nullptr);
    EXPECT_TRUE(Names(folders, L"C:\\Program Files"));
    EXPECT_EQ(Names(folders, L"C:\\Program Files (x86)"), On64BitWindows());
    EXPECT_FALSE(Names(folders, L"C:\\users\\Public"));
}

} // namespace
