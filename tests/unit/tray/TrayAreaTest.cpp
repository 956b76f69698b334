#include "TrayTestSupport.h"
#include "tray/TrayArea.h"
#include "tray/TrayCalls.h"
#include <gtest/gtest.h>

namespace {

// A taskbar of the test's own, laid out like the shell's: a bottom bar with
// the notification area at its right and the clock inside that area.
HWND s_taskbar = nullptr;
int s_appBarCalls = 0;
APPBARDATA s_appBarAnswer = {};
BOOL s_appBarResult = FALSE;
RECT s_workArea = {};
BOOL s_workAreaResult = FALSE;

HWND WINAPI FakeFindWindow(LPCSTR className, LPCSTR windowName)
{
    return className != nullptr && lstrcmpA(className, "Shell_TrayWnd") == 0 && windowName == nullptr ? s_taskbar
                                                                                                       : nullptr;
}

UINT_PTR WINAPI FakeAppBar(DWORD message, PAPPBARDATA data)
{
    ++s_appBarCalls;
    if (message != ABM_GETTASKBARPOS || data->cbSize != sizeof(APPBARDATA))
        return FALSE;
    data->rc = s_appBarAnswer.rc;
    data->uEdge = s_appBarAnswer.uEdge;
    return s_appBarResult;
}

BOOL WINAPI FakeWorkArea(UINT action, UINT, PVOID data, UINT)
{
    if (action != SPI_GETWORKAREA)
        return FALSE;
    if (s_workAreaResult)
        *static_cast<RECT*>(data) = s_workArea;
    return s_workAreaResult;
}

HWND MakeWindow(const char* className, DWORD style, int x, int y, int width, int height, HWND parent)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, className, "", style, x, y, width, height, parent, nullptr, wc.hInstance, nullptr);
}

class TrayAreaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_taskbar = MakeWindow("CorvaneTestTaskbar", WS_POPUP, 0, 738, 1024, 30, nullptr);
        ASSERT_NE(s_taskbar, nullptr);
        s_appBarCalls = 0;
        s_appBarResult = FALSE;
        s_workAreaResult = FALSE;
    }
    void TearDown() override { ::DestroyWindow(s_taskbar); }

    static RECT Located()
    {
        RECT rect = { -1, -1, -1, -1 };
        LocateTrayArea(&rect);
        return rect;
    }

    ScopedSwap<decltype(g_pfnFindWindowA)> m_find{ g_pfnFindWindowA, &FakeFindWindow };
    ScopedSwap<decltype(g_pfnSHAppBarMessage)> m_appBar{ g_pfnSHAppBarMessage, &FakeAppBar };
    ScopedSwap<decltype(g_pfnSystemParametersInfoA)> m_spi{ g_pfnSystemParametersInfoA, &FakeWorkArea };
};

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (::EqualRect(&actual, &expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << ")";
}

TEST_F(TrayAreaTest, WalksTheTaskbarToTheNotificationAreaLeftOfItsClock)
{
    MakeWindow("CorvaneTestButton", WS_CHILD | WS_VISIBLE, 0, 0, 60, 30, s_taskbar);
    HWND notify = MakeWindow("TrayNotifyWnd", WS_CHILD | WS_VISIBLE, 840, 2, 182, 26, s_taskbar);
    MakeWindow("TrayClockWClass", WS_CHILD | WS_VISIBLE, 130, 2, 50, 22, notify);
    EXPECT_TRUE(SameRect(Located(), RECT{ 840, 740, 970, 766 }));
    EXPECT_EQ(s_appBarCalls, 0);
}

TEST_F(TrayAreaTest, TaskbarWithoutTrayWindowsIsTheAnswer)
{
    MakeWindow("CorvaneTestButton", WS_CHILD | WS_VISIBLE, 0, 0, 60, 30, s_taskbar);
    EXPECT_TRUE(SameRect(Located(), RECT{ 0, 738, 1024, 768 }));
}

TEST_F(TrayAreaTest, WithoutTaskbarWindowItsPositionIsUsed)
{
    ::DestroyWindow(s_taskbar);
    s_taskbar = nullptr;
    s_appBarResult = TRUE;
    s_appBarAnswer.rc = RECT{ 0, 0, 60, 1000 };
    s_appBarAnswer.uEdge = ABE_LEFT;
    EXPECT_TRUE(SameRect(Located(), RECT{ 0, 900, 60, 984 }));
    EXPECT_EQ(s_appBarCalls, 1);
}

TEST_F(TrayAreaTest, WithoutAnyTaskbarTheWorkAreaCornerIsUsed)
{
    ::DestroyWindow(s_taskbar);
    s_taskbar = nullptr;
    s_workAreaResult = TRUE;
    s_workArea = RECT{ 0, 0, 1024, 738 };
    EXPECT_TRUE(SameRect(Located(), RECT{ 874, 708, 1024, 738 }));

    // An unreadable work area still gives the corner of the screen.
    s_workAreaResult = FALSE;
    const LONG width = ::GetSystemMetrics(SM_CXSCREEN);
    const LONG height = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(SameRect(Located(), RECT{ width - 150, height - 30, width, height }));
}

} // namespace
