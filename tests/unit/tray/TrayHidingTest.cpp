#include "TrayTestSupport.h"
#include "tray/TrayArea.h"
#include "tray/TrayCalls.h"
#include "tray/TrayHiding.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Wine always reports the minimise animation off and ignores SPI_SETANIMATION,
// so the setting is answered here; every other query goes to the system.
enum class Animation { On, Off, Unreadable };
Animation s_animation = Animation::Off;
int s_taskbarLookups = 0;

BOOL WINAPI FakeSystemParametersInfo(UINT action, UINT param, PVOID data, UINT winIni)
{
    if (action != SPI_GETANIMATION)
        return ::SystemParametersInfoA(action, param, data, winIni);
    auto* info = static_cast<ANIMATIONINFO*>(data);
    if (param != sizeof(ANIMATIONINFO) || info->cbSize != sizeof(ANIMATIONINFO))
        return FALSE;
    // A failed query leaves whatever the structure held.
    info->iMinAnimate = s_animation != Animation::Off;
    return s_animation != Animation::Unreadable;
}

HWND WINAPI CountingFindWindow(LPCSTR className, LPCSTR windowName)
{
    ++s_taskbarLookups;
    return ::FindWindowA(className, windowName);
}

struct Animated {
    HWND window;
    int kind;
    RECT from, to;
    HWND parent; // the window's parent while the animation is drawn
};
std::vector<Animated> s_animations;

BOOL WINAPI RecordAnimation(HWND window, int kind, const RECT* from, const RECT* to)
{
    s_animations.push_back({ window, kind, *from, *to, ::GetAncestor(window, GA_PARENT) });
    return TRUE;
}

class TrayHidingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_animation = Animation::Off;
        s_taskbarLookups = 0;
        s_animations.clear();
        ASSERT_NE(m_window.m_hWnd, nullptr);
        ::GetWindowRect(m_window.m_hWnd, &m_shown);
    }

    bool VisibleStyle() const { return (::GetWindowLongA(m_window.m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }
    HWND Parent() const { return ::GetAncestor(m_window.m_hWnd, GA_PARENT); }
    static RECT TrayArea()
    {
        RECT area;
        LocateTrayArea(&area);
        return area;
    }

    ScopedSwap<decltype(g_pfnSystemParametersInfoA)> m_spi{ g_pfnSystemParametersInfoA, &FakeSystemParametersInfo };
    ScopedSwap<decltype(g_pfnFindWindowA)> m_find{ g_pfnFindWindowA, &CountingFindWindow };
    ScopedSwap<decltype(g_pfnDrawAnimatedRects)> m_draw{ g_pfnDrawAnimatedRects, &RecordAnimation };
    CTestWindow m_window;
    RECT m_shown = {};
};

TEST_F(TrayHidingTest, AnimationSettingIsReadAndAFailedReadCountsAsOff)
{
    EXPECT_FALSE(IsMinimizeAnimationOn());
    s_animation = Animation::On;
    EXPECT_TRUE(IsMinimizeAnimationOn());
    s_animation = Animation::Unreadable;
    EXPECT_FALSE(IsMinimizeAnimationOn());
}

TEST_F(TrayHidingTest, HideParentsToTheInvisibleOwnerAndClearsVisible)
{
    HideToTray(&m_window, FALSE);
    HWND owner = g_wndTrayOwner.m_hWnd;
    ASSERT_TRUE(::IsWindow(owner));
    EXPECT_EQ(Parent(), owner);
    EXPECT_FALSE(VisibleStyle());
    EXPECT_FALSE(::IsWindowVisible(m_window.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(owner));
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(owner, GWL_STYLE)) & (WS_POPUP | WS_CHILD), static_cast<DWORD>(WS_POPUP));
    // Animation off: nothing drawn, and the tray is not even looked for.
    EXPECT_TRUE(s_animations.empty());
    EXPECT_EQ(s_taskbarLookups, 0);

    // Hiding again keeps the one owner window.
    HideToTray(&m_window, FALSE);
    EXPECT_EQ(g_wndTrayOwner.m_hWnd, owner);
    EXPECT_EQ(Parent(), owner);
}

TEST_F(TrayHidingTest, RestoreUnparentsShowsRedrawsAndActivates)
{
    HideToTray(&m_window, FALSE);
    CTestWindow other(500, 500);
    MakeForeground(other.m_hWnd);
    const int paints = m_window.m_nPaints;

    RestoreFromTray(&m_window, FALSE);
    EXPECT_EQ(Parent(), ::GetDesktopWindow());
    EXPECT_TRUE(VisibleStyle());
    EXPECT_TRUE(::IsWindowVisible(m_window.m_hWnd));
    EXPECT_GT(m_window.m_nPaints, paints); // drawn at once, before any message loop runs
    EXPECT_EQ(::GetActiveWindow(), m_window.m_hWnd);
    EXPECT_EQ(::GetForegroundWindow(), m_window.m_hWnd);
    RECT now;
    ::GetWindowRect(m_window.m_hWnd, &now);
    EXPECT_TRUE(::EqualRect(&now, &m_shown));
    EXPECT_TRUE(s_animations.empty());
}

TEST_F(TrayHidingTest, RestoringAShownWindowActivatesItAgain)
{
    CTestWindow other(500, 500);
    MakeForeground(other.m_hWnd);
    RestoreFromTray(&m_window, FALSE);
    EXPECT_TRUE(::IsWindowVisible(m_window.m_hWnd));
    EXPECT_EQ(::GetForegroundWindow(), m_window.m_hWnd);
}

TEST_F(TrayHidingTest, SystemAnimationAnimatesBetweenWindowAndTray)
{
    s_animation = Animation::On;
    const RECT tray = TrayArea();
    HideToTray(&m_window, FALSE);
    RestoreFromTray(&m_window, FALSE);
    ASSERT_EQ(s_animations.size(), 2u);
    const Animated& hide = s_animations[0];
    EXPECT_EQ(hide.window, m_window.m_hWnd);
    EXPECT_EQ(hide.kind, IDANI_CAPTION);
    EXPECT_TRUE(::EqualRect(&hide.from, &m_shown));
    EXPECT_TRUE(::EqualRect(&hide.to, &tray));
    EXPECT_EQ(hide.parent, ::GetDesktopWindow()); // drawn before the window leaves the screen
    const Animated& restore = s_animations[1];
    EXPECT_EQ(restore.kind, IDANI_CAPTION);
    EXPECT_TRUE(::EqualRect(&restore.from, &tray));
    EXPECT_TRUE(::EqualRect(&restore.to, &m_shown));
    EXPECT_EQ(restore.parent, ::GetDesktopWindow()); // the parent is taken away first
    EXPECT_TRUE(::IsWindowVisible(m_window.m_hWnd));
}

TEST_F(TrayHidingTest, ForcedAnimationIgnoresTheSetting)
{
    HideToTray(&m_window, TRUE);
    RestoreFromTray(&m_window, TRUE);
    EXPECT_EQ(s_animations.size(), 2u);
    s_animation = Animation::Unreadable;
    HideToTray(&m_window, FALSE);
    RestoreFromTray(&m_window, FALSE);
    EXPECT_EQ(s_animations.size(), 2u);
}

} // namespace
