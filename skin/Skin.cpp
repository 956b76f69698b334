#include "skin/Skin.h"
#include "framework/ModulePath.h"
#include "skin/SkinFile.h"
#include <commctrl.h>
#include <fstream>
#include <sstream>

namespace {

struct SkinState {
    std::string fileText;
    bool fileLoaded = false;
    HBRUSH dialogBrush = nullptr;
    COLORREF dialogColour = 0;
    HHOOK createHook = nullptr;
};

SkinState g_skin;
constexpr UINT_PTR kSubclassId = 0x534B4E; // "SKN"

LRESULT CALLBACK SkinnedDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        ::GetClientRect(hWnd, &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, g_skin.dialogBrush);
        return TRUE;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        ::SetBkColor(reinterpret_cast<HDC>(wParam), g_skin.dialogColour);
        return reinterpret_cast<LRESULT>(g_skin.dialogBrush);
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hWnd, &SkinnedDialogProc, kSubclassId);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

bool IsDialogWindow(HWND hWnd)
{
    char className[16] = {};
    return ::GetClassNameA(hWnd, className, sizeof className) > 0 && lstrcmpA(className, "#32770") == 0;
}

LRESULT CALLBACK CreateHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_skin.dialogBrush != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (IsDialogWindow(hWnd))
            ::SetWindowSubclass(hWnd, &SkinnedDialogProc, kSubclassId, 0);
    }
    return ::CallNextHookEx(g_skin.createHook, code, wParam, lParam);
}

std::string ResolveBesideExecutable(const char* fileName)
{
    const std::string name(fileName);
    if (name.find_first_of("\\/:") != std::string::npos)
        return name;
    return PathBeside(GetModulePath(), name);
}

} // namespace

BOOL SkinInit(HINSTANCE, const char*, const char*, const char*)
{
    if (g_skin.createHook == nullptr)
        g_skin.createHook = ::SetWindowsHookExA(WH_CBT, &CreateHookProc, nullptr, ::GetCurrentThreadId());
    return g_skin.createHook != nullptr;
}

BOOL SkinLoadFile(const char* fileName)
{
    if (fileName == nullptr)
        return FALSE;
    std::ifstream file(ResolveBesideExecutable(fileName), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    g_skin.fileLoaded = file.good() || file.eof();
    g_skin.fileText = g_skin.fileLoaded ? text.str() : std::string();
    return g_skin.fileLoaded;
}

BOOL SkinSetDialogSkin(const char* objectName)
{
    if (objectName == nullptr || !g_skin.fileLoaded)
        return FALSE;
    const std::optional<unsigned> colour = FindSkinBackground(g_skin.fileText, objectName);
    if (!colour)
        return FALSE;
    if (g_skin.dialogBrush != nullptr)
        ::DeleteObject(g_skin.dialogBrush);
    g_skin.dialogColour = *colour;
    g_skin.dialogBrush = ::CreateSolidBrush(g_skin.dialogColour);
    return g_skin.dialogBrush != nullptr;
}

void SkinExit()
{
    if (g_skin.createHook != nullptr)
        ::UnhookWindowsHookEx(g_skin.createHook);
    if (g_skin.dialogBrush != nullptr)
        ::DeleteObject(g_skin.dialogBrush);
    g_skin = SkinState();
}
