#include "skin/Skin.h"
#include "framework/ModulePath.h"
#include "skin/SkinFile.h"
#include <commctrl.h>
#include <cstdio>
#include <optional>
#include <utility>

namespace {

struct SkinState {
    std::string fileText;
    bool fileLoaded = false;
    HBRUSH dialogBrush = nullptr;
    COLORREF dialogColour = 0;
    bool initialised = false;
    HHOOK createHook = nullptr; // also null while a new dialog makes its controls
};

SkinState g_skin;
constexpr UINT_PTR kSubclassId = 0x534B4E; // "SKN"

LRESULT CALLBACK CreateHookProc(int code, WPARAM wParam, LPARAM lParam);

// The hook through which new dialogs are found, installed again after a
// pause. Every window made while it is installed costs Wine a round trip to
// the server (some 0.1 ms here), so it pauses while a new dialog makes its
// controls: the main window's thirty would add 3 ms to the start-up. A
// dialog made as a control of another dialog's template stays unskinned.
void WatchForDialogs()
{
    if (g_skin.initialised && g_skin.createHook == nullptr)
        g_skin.createHook = ::SetWindowsHookExA(WH_CBT, &CreateHookProc, nullptr, ::GetCurrentThreadId());
}

void StopWatching()
{
    if (g_skin.createHook != nullptr)
        ::UnhookWindowsHookEx(g_skin.createHook);
    g_skin.createHook = nullptr;
}

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
    case WM_INITDIALOG:
        // The controls are made; the dialog's own initialisation may show
        // the next dialog, a message box.
        WatchForDialogs();
        break;
    case WM_NCDESTROY:
        // Also for a dialog that ended before its initialisation.
        WatchForDialogs();
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
    const LRESULT result = ::CallNextHookEx(g_skin.createHook, code, wParam, lParam);
    if (code == HCBT_CREATEWND && g_skin.dialogBrush != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (IsDialogWindow(hWnd) && ::SetWindowSubclass(hWnd, &SkinnedDialogProc, kSubclassId, 0))
            StopWatching();
    }
    return result;
}

// The whole file as it is; none when it cannot be opened or read. The C
// file calls, not the C++ streams: those would link the C++ library's locale
// machinery into the program, most of its size and of its start-up work.
std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return std::nullopt;
    std::string text;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return std::nullopt;
    return text;
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
    g_skin.initialised = true;
    WatchForDialogs();
    return g_skin.createHook != nullptr;
}

BOOL SkinLoadFile(const char* fileName)
{
    if (fileName == nullptr)
        return FALSE;
    std::optional<std::string> text = ReadWholeFile(ResolveBesideExecutable(fileName));
    g_skin.fileLoaded = text.has_value();
    g_skin.fileText = text ? std::move(*text) : std::string();
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
    StopWatching();
    if (g_skin.dialogBrush != nullptr)
        ::DeleteObject(g_skin.dialogBrush);
    g_skin = SkinState();
}
