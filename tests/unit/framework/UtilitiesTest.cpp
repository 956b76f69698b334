// The framework's small helpers: the application name, window centring,
// formatting into strings of any length, and the module path, also from a
// folder deeper than MAX_PATH.
#include "framework/Format.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(ApplicationNameFromPath, IsTheFileNameWithoutItsExtension)
{
    EXPECT_EQ(ApplicationNameFromPath("C:\\Program Files\\Corvane\\Corvane.exe"), "Corvane");
    EXPECT_EQ(ApplicationNameFromPath("Z:/work/build/app/Corvane.exe"), "Corvane");
    EXPECT_EQ(ApplicationNameFromPath("C:\\tools\\archive.tar.exe"), "archive.tar");
    EXPECT_EQ(ApplicationNameFromPath("Corvane.exe"), "Corvane");
}

TEST(ApplicationNameFromPath, DotsOutsideTheFileNameAreNotExtensions)
{
    EXPECT_EQ(ApplicationNameFromPath("C:\\v1.2\\Corvane"), "Corvane");
    EXPECT_EQ(ApplicationNameFromPath("C:\\dir\\.profile"), ".profile");
    EXPECT_EQ(ApplicationNameFromPath("C:\\dir\\"), "");
    EXPECT_EQ(ApplicationNameFromPath(""), "");
}

RECT Rect(LONG left, LONG top, LONG right, LONG bottom)
{
    return RECT{ left, top, right, bottom };
}

TEST(CenteredOrigin, CentresOnTheArea)
{
    const POINT origin = CenteredOrigin(Rect(0, 0, 400, 300), Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 738));
    EXPECT_EQ(origin.x, 312);
    EXPECT_EQ(origin.y, 234);
}

TEST(CenteredOrigin, StaysInsideTheBounds)
{
    // Taller than the work area above a taskbar: the top edge wins.
    POINT origin = CenteredOrigin(Rect(0, 0, 400, 760), Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 738));
    EXPECT_EQ(origin.y, 0);
    // Work area beside a taskbar on the left.
    origin = CenteredOrigin(Rect(0, 0, 1000, 300), Rect(0, 0, 1024, 768), Rect(100, 0, 1024, 768));
    EXPECT_EQ(origin.x, 100);
    // Wider than everything: the caption's left end stays reachable.
    origin = CenteredOrigin(Rect(0, 0, 2000, 300), Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 768));
    EXPECT_EQ(origin.x, 0);
}

TEST(CenteredOrigin, HandlesAreasLeftOfAndAboveThePrimaryScreen)
{
    const POINT origin = CenteredOrigin(Rect(50, 50, 250, 150), Rect(-1280, -200, 0, 824), Rect(-1280, -200, 0, 824));
    EXPECT_EQ(origin.x, -740);
    EXPECT_EQ(origin.y, 262);
}

// Counts the moves the platform announces to the window.
class CMovesCounted : public CWnd {
public:
    int m_nMoves = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WINDOWPOSCHANGING)
            ++m_nMoves;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(CenterWindow, MovesAWindowOffTheCentreAndLeavesOneThatIsThere)
{
    CMovesCounted window;
    ASSERT_TRUE(window.CreateEx(0, FrameworkWindowClass(), "", WS_POPUP, 3, 5, 200, 100, nullptr, nullptr));
    RECT desktop;
    RECT workArea;
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    const POINT centre = CenteredOrigin(Rect(3, 5, 203, 105), desktop, workArea);
    ASSERT_FALSE(centre.x == 3 && centre.y == 5);

    window.m_nMoves = 0;
    window.CenterWindow();
    RECT moved;
    ::GetWindowRect(window, &moved);
    EXPECT_EQ(moved.left, centre.x);
    EXPECT_EQ(moved.top, centre.y);
    EXPECT_GT(window.m_nMoves, 0);

    // Where it stands already, no move is asked of the platform.
    window.m_nMoves = 0;
    window.CenterWindow();
    EXPECT_EQ(window.m_nMoves, 0);
    window.DestroyWindow();
}

TEST(Format, FormatsLikePrintf)
{
    EXPECT_EQ(Format("Run %s", "Zendry"), "Run Zendry");
    EXPECT_EQ(Format(" %2d hrs : %2d mins : %2d secs", 1, 2, 30), "  1 hrs :  2 mins : 30 secs");
    EXPECT_EQ(Format("%s", ""), "");
}

TEST(Format, TextsOfAnyLength)
{
    const std::string part(100000, 'a');
    const std::string text = Format("<%s|%s>", part.c_str(), part.c_str());
    ASSERT_EQ(text.size(), 200003u);
    EXPECT_EQ(text.front(), '<');
    EXPECT_EQ(text[100001], '|');
    EXPECT_EQ(text.back(), '>');
    EXPECT_EQ(Format("%300d", 7).size(), 300u);
}

TEST(PathBeside, ReplacesTheFileName)
{
    EXPECT_EQ(PathBeside("C:\\a\\b.exe", "x.ini"), "C:\\a\\x.ini");
    EXPECT_EQ(PathBeside("b.exe", "x.ini"), "x.ini");
    EXPECT_EQ(PathBeside("C:\\b.exe", "UpdateApp.exe"), "C:\\UpdateApp.exe");
}

std::wstring WideModuleFileName()
{
    std::vector<wchar_t> path(32768);
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::wstring(path.data(), length);
}

std::string AnsiText(const std::wstring& wide)
{
    const int length = static_cast<int>(wide.size());
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, &text[0], bytes, nullptr, nullptr);
    return text;
}

TEST(GetModulePath, IsTheFullPathOfTheRunningProgram)
{
    EXPECT_EQ(GetModulePathW(), WideModuleFileName());
    EXPECT_EQ(GetModulePath(), AnsiText(WideModuleFileName()));
    EXPECT_EQ(ApplicationNameFromPath(GetModulePath()), "framework_tests");
}

// The "A" file functions stop at MAX_PATH even with the \\?\ prefix; the
// wide ones take the long folders.
std::wstring LongPath(const std::string& path)
{
    return L"\\\\?\\" + std::wstring(path.begin(), path.end());
}

// An empty library built beside this program, copied into a folder deeper than
// MAX_PATH and loaded from there.
TEST(GetModulePath, ModuleFromAFolderDeeperThanMaxPath)
{
    char temp[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathA(sizeof temp, temp), 0u);
    std::vector<std::string> folders{ std::string(temp) + "corvane-module-path-" + std::to_string(::GetCurrentProcessId()) };
    for (int level = 0; level < 5; ++level)
        folders.push_back(folders.back() + "\\" + std::string(60, static_cast<char>('a' + level)));
    for (const std::string& folder : folders) {
        const BOOL made = ::CreateDirectoryW(LongPath(folder).c_str(), nullptr);
        ASSERT_TRUE(made || ::GetLastError() == ERROR_ALREADY_EXISTS) << folder << " error " << ::GetLastError();
    }
    const std::string copy = folders.back() + "\\module_path_probe.dll";
    ASSERT_GT(copy.size(), static_cast<size_t>(MAX_PATH));
    ASSERT_TRUE(::CopyFileW(LongPath(PathBeside(GetModulePath(), "module_path_probe.dll")).c_str(),
                            LongPath(copy).c_str(), FALSE));

    HMODULE module = ::LoadLibraryW(LongPath(copy).c_str());
    const std::string path = module != nullptr ? GetModulePath(module) : std::string("not loaded");
    if (module != nullptr)
        ::FreeLibrary(module);
    ::DeleteFileW(LongPath(copy).c_str());
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder)
        ::RemoveDirectoryW(LongPath(*folder).c_str());
    // The loader may report the module with or without the long-path prefix.
    EXPECT_TRUE(path == copy || path == "\\\\?\\" + copy) << path;
}

TEST(WindowText, ReadsTextsLongerThanAnyFixedBuffer)
{
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const std::string text = std::string(70000, 'w') + "!";
    ::SetWindowTextA(window, text.c_str());
    EXPECT_EQ(WindowText(window), text);
    ::SetWindowTextA(window, "");
    EXPECT_EQ(WindowText(window), "");
    ::DestroyWindow(window);
}

} // namespace
