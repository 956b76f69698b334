// The second floor Corvane's benchmarks are set against: the bare dialog plus
// the platform work Corvane cannot do without. It loads the same system
// libraries, puts one icon in the notification area, starts the program
// beside it named UpdateApp.exe by full path, and runs two one-second timers:
// the first reads the 64-bit byte counters of the interface table's first
// interface (through GetIfEntry2 looked up at run time; the table is read
// once, at start) and the connection state and shows a count and the two
// counters, the second shows a count of its own. Whatever Corvane costs
// beyond this is its own code's doing.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <shellapi.h>
#include <wininet.h>
#include <string>
#include <vector>

namespace {

constexpr UINT_PTR kStatsTimer = 1;
constexpr UINT_PTR kClockTimer = 2;
constexpr UINT kTimerPeriodMs = 1000;
constexpr UINT kTrayMessage = WM_APP + 10;
constexpr UINT kTrayIconId = 1;
constexpr int kStatsCountEdit = 100;
constexpr int kClockCountEdit = 101;
constexpr int kSentLabel = 102;
constexpr int kReceivedLabel = 103;

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

std::string OwnFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    const std::string own(path, length);
    return own.substr(0, own.find_last_of('\\') + 1);
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

BOOL OnInitDialog(HWND dialog)
{
    ReadSetting();
    LoadInterfaceTable();
    const std::string updater = OwnFolder() + "UpdateApp.exe";
    ::ShellExecuteA(nullptr, "open", updater.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ::SetTimer(dialog, kStatsTimer, kTimerPeriodMs, nullptr);
    AddTrayIcon(dialog);
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
    return static_cast<int>(::DialogBoxParamA(instance, "FLOOR", nullptr, &PlatformDialogProc, 0));
}
