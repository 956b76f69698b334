// The skin layer's four calls: with a skin file loaded and its "Dialog" object
// chosen, dialogs created afterwards answer with the skin's background; with a
// missing file, an unknown object or after the exit call, they keep the
// standard look.
#include "skin/Skin.h"
#include <gtest/gtest.h>
#include <fstream>
#include <optional>
#include <string>

namespace {

// A dialog template with no controls, built in memory.
struct alignas(4) EmptyDialogTemplate {
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    WORD controls = 0;
    short x = 0, y = 0, cx = 80, cy = 40;
    WORD menu = 0, windowClass = 0, title = 0;
};

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The colour of the brush a dialog gives for its own background; none when
// it gives no solid brush.
std::optional<COLORREF> BackgroundOf(HWND dialog)
{
    HDC dc = ::GetDC(dialog);
    auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(dialog)));
    const COLORREF textBackground = ::GetBkColor(dc);
    ::ReleaseDC(dialog, dc);
    LOGBRUSH info = {};
    if (brush == nullptr || ::GetObjectA(brush, sizeof info, &info) != sizeof info || info.lbStyle != BS_SOLID)
        return std::nullopt;
    EXPECT_EQ(textBackground, info.lbColor) << "text background differs from the brush";
    return info.lbColor;
}

HWND NewDialog(DLGPROC procedure, LPARAM parameter = 0)
{
    static const EmptyDialogTemplate dialogTemplate;
    return ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                        reinterpret_cast<LPCDLGTEMPLATEA>(&dialogTemplate), nullptr, procedure,
                                        parameter);
}

// The background of a dialog created now.
std::optional<COLORREF> NewDialogBackground()
{
    HWND dialog = NewDialog(&NoDialogProc);
    if (dialog == nullptr)
        return std::nullopt;
    const std::optional<COLORREF> background = BackgroundOf(dialog);
    ::DestroyWindow(dialog);
    return background;
}

// A dialog whose initialisation creates another, as a message box shown
// from a dialog's initialisation is: it keeps that one's background.
INT_PTR CALLBACK NestingDialogProc(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        *reinterpret_cast<std::optional<COLORREF>*>(lParam) = NewDialogBackground();
    return FALSE;
}

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char folder[MAX_PATH] = {};
        ::GetTempPathA(sizeof folder, folder);
        m_strFile = std::string(folder) + "corvane-skin-test-" + std::to_string(::GetCurrentProcessId()) + ".smf";
        m_standard = ::GetSysColor(COLOR_BTNFACE);
    }
    void TearDown() override
    {
        SkinExit();
        ::DeleteFileA(m_strFile.c_str());
    }
    void WriteSkin(const std::string& text) { std::ofstream(m_strFile, std::ios::binary) << text; }

    std::string m_strFile;
    COLORREF m_standard = 0;
};

TEST_F(SkinTest, DialogsCreatedAfterTheCallsGetTheSkinBackground)
{
    WriteSkin("[Dialog]\nbackground = #102030\n");
    EXPECT_TRUE(SkinInit(::GetModuleHandleA(nullptr), "Demo", nullptr, nullptr));
    EXPECT_TRUE(SkinLoadFile(m_strFile.c_str()));
    EXPECT_TRUE(SkinSetDialogSkin("Dialog"));
    EXPECT_EQ(NewDialogBackground(), std::optional<COLORREF>(RGB(0x10, 0x20, 0x30)));
}

TEST_F(SkinTest, DialogsOneInsideAnotherAndOneAfterTheOtherAllGetTheSkin)
{
    WriteSkin("[Dialog]\nbackground = #102030\n");
    SkinInit(::GetModuleHandleA(nullptr), "Demo", nullptr, nullptr);
    SkinLoadFile(m_strFile.c_str());
    SkinSetDialogSkin("Dialog");
    const std::optional<COLORREF> skin(RGB(0x10, 0x20, 0x30));
    std::optional<COLORREF> inner;
    HWND outer = NewDialog(&NestingDialogProc, reinterpret_cast<LPARAM>(&inner));
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(inner, skin);
    EXPECT_EQ(BackgroundOf(outer), skin);
    ::DestroyWindow(outer);
    EXPECT_EQ(NewDialogBackground(), skin);
}

TEST_F(SkinTest, ChoosingAnotherObjectReplacesTheBackground)
{
    WriteSkin("[Dialog]\nbackground = #102030\n[Other]\nbackground = #405060\n");
    SkinInit(::GetModuleHandleA(nullptr), "Demo", nullptr, nullptr);
    SkinLoadFile(m_strFile.c_str());
    SkinSetDialogSkin("Dialog");
    EXPECT_TRUE(SkinSetDialogSkin("Other"));
    EXPECT_EQ(NewDialogBackground(), std::optional<COLORREF>(RGB(0x40, 0x50, 0x60)));
}

TEST_F(SkinTest, MissingFileOrObjectKeepsTheStandardLook)
{
    SkinInit(::GetModuleHandleA(nullptr), "Demo", nullptr, nullptr);
    EXPECT_FALSE(SkinLoadFile((m_strFile + ".missing").c_str()));
    EXPECT_FALSE(SkinSetDialogSkin("Dialog"));
    EXPECT_EQ(NewDialogBackground(), std::optional<COLORREF>(m_standard));

    WriteSkin("[Button]\nbackground = #102030\n");
    EXPECT_TRUE(SkinLoadFile(m_strFile.c_str()));
    EXPECT_FALSE(SkinSetDialogSkin("Dialog"));
    EXPECT_FALSE(SkinSetDialogSkin(nullptr));
    EXPECT_EQ(NewDialogBackground(), std::optional<COLORREF>(m_standard));
}

TEST_F(SkinTest, AfterExitNewDialogsHaveTheStandardLookAgain)
{
    WriteSkin("[Dialog]\nbackground = #102030\n");
    SkinInit(::GetModuleHandleA(nullptr), "Demo", nullptr, nullptr);
    SkinLoadFile(m_strFile.c_str());
    SkinSetDialogSkin("Dialog");
    SkinExit();
    EXPECT_EQ(NewDialogBackground(), std::optional<COLORREF>(m_standard));
    EXPECT_FALSE(SkinSetDialogSkin("Dialog")); // the loaded file went with the exit
}

TEST_F(SkinTest, BareFileNameIsLookedUpBesideTheExecutable)
{
    WriteSkin("[Dialog]\nbackground = #102030\n");
    // The test program's folder holds no such file, whatever the current folder holds.
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof folder, folder);
    ::SetCurrentDirectoryA(folder);
    const std::string bare = m_strFile.substr(m_strFile.find_last_of('\\') + 1);
    EXPECT_FALSE(SkinLoadFile(bare.c_str()));
}

} // namespace
