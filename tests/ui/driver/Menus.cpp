#include "tests/ui/driver/Menus.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/MenuProbeRequest.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Program.h"
#include "tests/ui/driver/RemoteCall.h"
#include <gtest/gtest.h>
#include <sstream>

namespace driver {

namespace {

std::vector<MenuItem> ParseItems(const std::string& text)
{
    std::vector<MenuItem> items;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t first = line.find('|');
        const size_t second = first == std::string::npos ? first : line.find('|', first + 1);
        if (second == std::string::npos)
            continue;
        MenuItem item;
        item.id = static_cast<UINT>(std::stoul(line.substr(0, first)));
        const std::string flags = line.substr(first + 1, second - first - 1);
        item.separator = flags.find('S') != std::string::npos;
        item.submenu = flags.find('P') != std::string::npos;
        item.checked = flags.find('C') != std::string::npos;
        item.grayed = flags.find('G') != std::string::npos;
        item.text = line.substr(second + 1);
        items.push_back(item);
    }
    return items;
}

// The menu is read on the program's window thread, which owns its system
// menu and its popups alike: any window of the program leads there.
std::vector<MenuItem> Read(const Program& program, HWND window, HMENU menu)
{
    const std::vector<HWND> windows = program.TopLevelWindows();
    HWND reader = window != nullptr ? window : windows.empty() ? nullptr : windows.front();
    if (reader == nullptr) {
        ADD_FAILURE() << "the program has no window to read its menu on";
        return {};
    }
    static int requests = 0;
    const std::string output = ScratchRoot() + "\\menu-" + std::to_string(::GetCurrentProcessId()) + "-"
        + std::to_string(++requests) + ".txt";
    MenuProbeRequest request = {};
    request.window = reinterpret_cast<UINT_PTR>(window);
    request.menu = reinterpret_cast<UINT_PTR>(menu);
    lstrcpynA(request.output, output.c_str(), sizeof request.output);
    const std::optional<DWORD> count = CallInProgram(reader, MenuProbePath(), kProbeFunction, &request, sizeof request);
    const auto text = ReadFileText(output);
    ::DeleteFileA(output.c_str());
    if (!count || *count == kProbeFailed || !text) {
        ADD_FAILURE() << "the menu probe could not read the menu";
        return {};
    }
    return ParseItems(*text);
}

} // namespace

std::vector<MenuItem> ReadSystemMenu(const Program& program, HWND window)
{
    return Read(program, window, nullptr);
}

std::vector<MenuItem> ReadMenu(const Program& program, HMENU menu)
{
    return Read(program, nullptr, menu);
}

HWND WaitForPopupMenu(const Program& program, DWORD timeoutMs)
{
    HWND popup = nullptr;
    WaitUntil([&] {
        for (HWND window : program.TopLevelWindows()) {
            if (ClassOf(window) == "#32768" && ::IsWindowVisible(window)) {
                popup = window;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return popup;
}

HMENU MenuOfPopup(HWND popupWindow)
{
    // Bounded, so a program that stops answering fails the test instead of
    // holding the driver for ever.
    DWORD_PTR menu = 0;
    if (!::SendMessageTimeoutA(popupWindow, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, 5000, &menu))
        return nullptr;
    return reinterpret_cast<HMENU>(menu);
}

} // namespace driver
