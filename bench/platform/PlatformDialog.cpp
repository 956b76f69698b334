// The second floor Corvane's benchmarks are set against: Corvane's own main
// window, every control of its template with the unit list's items and a
// tooltip on each of its four buttons, without any of Corvane's logic, plus
// the platform work Corvane cannot do without. It loads the same system
// libraries, puts one icon in the notification area, starts the program
// beside it named UpdateApp.exe by full path (through the desktop's shell, with
// the user's ordinary rights, when it runs elevated, as every Wine process
// does: an elevated program may start no other with its own rights), and
// runs two one-second timers:
// the first reads the 64-bit byte counters of the interface table's first
// interface (through GetIfEntry2 looked up at run time; the table is read
// once, at start) and the connection state and shows a count and the two
// counters, the second shows a count of its own. Whatever Corvane costs
// beyond this is its own code's doing.
#include "framework/DialogInit.h"
#include "net/IpHelper.h"
#include "res/resource.h"
#include <windows.h>
#include <commctrl.h>
#include <exdisp.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <wininet.h>
#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kStatsTimer = 1;
constexpr UINT_PTR kClockTimer = 2;
constexpr UINT kTimerPeriodMs = 1000;
constexpr UINT kTrayMessage = WM_APP + 10;
constexpr UINT kTrayIconId = 1;
constexpr int kStatsCountEdit = IDC_CHECK_PERIOD;
constexpr int kClockCountEdit = IDC_ACCELERATE_FIRST;
constexpr int kSentLabel = IDC_BYTES_SENT;
constexpr int kReceivedLabel = IDC_BYTES_RECEIVED;

using PFN_GETIFTABLE = DWORD(WINAPI*)(PMIB_IFTABLE table, PULONG size, BOOL order);
using PFN_GETIFENTRY2 = DWORD(WINAPI*)(PMIB_IF_ROW2 row);

struct Floor {
    PFN_GETIFENTRY2 getIfEntry2 = nullptr;
    NET_IFINDEX interfaceIndex = 0;
    NOTIFYICONDATAA icon = {};
    unsigned statsTicks = 0;
    unsigned clockTicks = 0;
    ULONG64 sent = 0;
    ULONG64 received = 0;
};

Floor g_floor;

bool RunsElevated()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    const BOOL known = ::GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size);
    ::CloseHandle(token);
    return known && type == TokenElevationTypeFull;
}

// ShellExecute of the desktop's Shell.Application object, reached from the
// shell's desktop window through its browser, view and the view's background;
// runs in the shell's own process. Each interface is left to the process's end.
void StartOnDesktop(const std::wstring& file, const std::wstring& folder)
{
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellWindows* windows = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                  reinterpret_cast<void**>(&windows))))
        return;
    VARIANT desktop = {};
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    VARIANT root = {};
    long window = 0;
    IDispatch* desktopWindow = nullptr;
    IServiceProvider* services = nullptr;
    IShellBrowser* browser = nullptr;
    IShellView* view = nullptr;
    IDispatch* background = nullptr;
    IShellFolderViewDual* folderView = nullptr;
    IDispatch* application = nullptr;
    IShellDispatch2* shell = nullptr;
    if (windows->FindWindowSW(&desktop, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &desktopWindow) != S_OK
        || FAILED(desktopWindow->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)))
        || FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, reinterpret_cast<void**>(&browser)))
        || FAILED(browser->QueryActiveShellView(&view))
        || FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, reinterpret_cast<void**>(&background)))
        || FAILED(background->QueryInterface(IID_IShellFolderViewDual, reinterpret_cast<void**>(&folderView)))
        || FAILED(folderView->get_Application(&application))
        || FAILED(application->QueryInterface(IID_IShellDispatch2, reinterpret_cast<void**>(&shell))))
        return;
    VARIANT none = {};
    none.vt = VT_ERROR;
    none.scode = DISP_E_PARAMNOTFOUND;
    VARIANT where = {};
    where.vt = VT_BSTR;
    where.bstrVal = ::SysAllocString(folder.c_str());
    VARIANT verb = {};
    verb.vt = VT_BSTR;
    verb.bstrVal = ::SysAllocString(L"open");
    VARIANT show = {};
    show.vt = VT_I4;
    show.lVal = SW_SHOWNORMAL;
    BSTR name = ::SysAllocString(file.c_str());
    shell->ShellExecute(name, none, where, verb, show);
    ::SysFreeString(name);
    ::VariantClear(&where);
    ::VariantClear(&verb);
}

void StartUpdater()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH - 1);
    std::wstring updater(path, length);
    updater = updater.substr(0, updater.find_last_of(L'\\') + 1) + L"UpdateApp.exe";
    if (!RunsElevated()) {
        ::ShellExecuteW(nullptr, L"open", updater.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    StartOnDesktop(updater, folder);
}

// One value from the registry, as a program reads its settings.
void ReadSetting()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Corvane platform floor", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    DWORD value = 0;
    DWORD size = sizeof value;
    ::RegQueryValueExA(key, "Value", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    ::RegCloseKey(key);
}

template <typename Function>
Function LookUp(HMODULE library, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

// The first interface of the table; the counters are asked of it alone.
void LoadInterfaceTable()
{
    HMODULE library = ::LoadLibraryA("Iphlpapi.dll");
    if (library == nullptr)
        return;
    const auto getIfTable = LookUp<PFN_GETIFTABLE>(library, "GetIfTable");
    ULONG size = 0;
    if (getIfTable == nullptr || getIfTable(nullptr, &size, TRUE) != ERROR_INSUFFICIENT_BUFFER)
        return;
    std::vector<unsigned char> buffer(size);
    auto* table = reinterpret_cast<PMIB_IFTABLE>(buffer.data());
    if (size < sizeof(MIB_IFTABLE) || getIfTable(table, &size, TRUE) != NO_ERROR || table->dwNumEntries == 0)
        return;
    g_floor.interfaceIndex = table->table[0].dwIndex;
    g_floor.getIfEntry2 = LookUp<PFN_GETIFENTRY2>(library, "GetIfEntry2");
}

// The local addresses, once, as an acceleration session needs them.
void ReadAddressTable()
{
    std::vector<unsigned char> buffer(4096);
    ULONG size = static_cast<ULONG>(buffer.size());
    ::GetIpAddrTable(reinterpret_cast<PMIB_IPADDRTABLE>(buffer.data()), &size, FALSE);
}

void ShowCount(HWND dialog, int id, unsigned count)
{
    ::SetDlgItemTextA(dialog, id, std::to_string(count).c_str());
}

// A text is set only when it changes, as Corvane does.
void ShowCounter(HWND dialog, int id, ULONG64& shown, ULONG64 now)
{
    if (now == shown)
        return;
    shown = now;
    ::SetDlgItemTextA(dialog, id, std::to_string(now).c_str());
}

void StatsTick(HWND dialog)
{
    ShowCount(dialog, kStatsCountEdit, ++g_floor.statsTicks);
    MIB_IF_ROW2 row = {};
    row.InterfaceIndex = g_floor.interfaceIndex;
    if (g_floor.getIfEntry2(&row) == NO_ERROR) {
        ShowCounter(dialog, kSentLabel, g_floor.sent, row.OutOctets);
        ShowCounter(dialog, kReceivedLabel, g_floor.received, row.InOctets);
    }
    DWORD flags = 0;
    ::InternetGetConnectedState(&flags, 0);
}

void AddTrayIcon(HWND dialog)
{
    NOTIFYICONDATAA& icon = g_floor.icon;
    icon.cbSize = sizeof icon;
    icon.hWnd = dialog;
    icon.uID = kTrayIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayMessage;
    icon.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    lstrcpynA(icon.szTip, "Platform dialog", sizeof icon.szTip);
    ::Shell_NotifyIconA(NIM_ADD, &icon);
}

// One tooltip window for each button, as Corvane's buttons have, each with
// the button's client area as its one tool; the tooltip watches the button's
// mouse messages itself.
void AddButtonTooltips(HWND dialog)
{
    const struct {
        int button;
        const char* tip;
    } buttons[] = { { IDC_RUN_CLIENT, "Run the client" }, { IDC_ACCELERATE, "Press the toggle" },
                    { IDC_QUIT, "Exit" }, { IDCANCEL, "Save" } };
    for (const auto& [id, tip] : buttons) {
        HWND button = ::GetDlgItem(dialog, id);
        HWND tooltip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, button, nullptr, nullptr, nullptr);
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = button;
        tool.uId = 1;
        tool.lpszText = const_cast<char*>(tip);
        ::GetClientRect(button, &tool.rect);
        ::SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        ::SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
        ::SendMessageA(tooltip, TTM_ACTIVATE, TRUE, 0);
    }
}

BOOL OnInitDialog(HWND dialog)
{
    ExecuteDialogInit(dialog, IDD_CORVANE_DIALOG);
    ReadSetting();
    LoadInterfaceTable();
    StartUpdater();
    ::SetTimer(dialog, kStatsTimer, kTimerPeriodMs, nullptr);
    AddTrayIcon(dialog);
    AddButtonTooltips(dialog);
    WSADATA data;
    ::WSAStartup(0x0101, &data);
    ReadAddressTable();
    ::SetTimer(dialog, kClockTimer, kTimerPeriodMs, nullptr);
    return TRUE;
}

INT_PTR CALLBACK PlatformDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_TIMER:
        if (wParam == kStatsTimer && g_floor.getIfEntry2 != nullptr)
            StatsTick(dialog);
        else if (wParam == kClockTimer)
            ShowCount(dialog, kClockCountEdit, ++g_floor.clockTicks);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)
            return FALSE;
        ::Shell_NotifyIconA(NIM_DELETE, &g_floor.icon);
        ::EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    ::InitCommonControls();
    return static_cast<int>(
        ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CORVANE_DIALOG), nullptr, &PlatformDialogProc, 0));
}
