// Loaded into the program under test by the UI driver: reads one menu inside
// the program's own process, where its items live, and writes them to a file.
#include "tests/ui/driver/MenuProbeRequest.h"
#include <windows.h>
#include <string>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

namespace {

std::string DescribeItem(HMENU menu, int position)
{
    char text[512] = {};
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = sizeof text - 1;
    if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item))
        return "0|?|";
    std::string flags;
    if (item.fType & MFT_SEPARATOR)
        flags += 'S';
    if (item.hSubMenu != nullptr)
        flags += 'P';
    if (item.fState & MFS_CHECKED)
        flags += 'C';
    if (item.fState & MFS_DISABLED)
        flags += 'G';
    const UINT id = item.hSubMenu != nullptr ? 0xFFFFFFFFu : item.wID;
    return std::to_string(id) + "|" + flags + "|" + text;
}

} // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ReadMenuForDriver(LPVOID param)
{
    const auto* request = static_cast<const MenuProbeRequest*>(param);
    HMENU menu = request->window != 0
        ? ::GetSystemMenu(reinterpret_cast<HWND>(static_cast<UINT_PTR>(request->window)), FALSE)
        : reinterpret_cast<HMENU>(static_cast<UINT_PTR>(request->menu));
    const int count = menu != nullptr ? ::GetMenuItemCount(menu) : -1;
    if (count < 0)
        return kProbeFailed;
    std::string lines;
    for (int position = 0; position < count; ++position)
        lines += DescribeItem(menu, position) + "\n";

    // Written under another name first, so the driver never reads half a list.
    const std::string output = request->output;
    const std::string part = output + ".part";
    HANDLE file = ::CreateFileA(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kProbeFailed;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    ::CloseHandle(file);
    if (!ok || !::MoveFileExA(part.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING))
        return kProbeFailed;
    return static_cast<DWORD>(count);
}
