#include "tests/ui/driver/Tooltips.h"
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Program.h"
#include <commctrl.h>

namespace driver {

namespace {

constexpr size_t kTextSize = 256;

// A tool record and room for its text, inside the program: the tooltip reads
// and writes the pointers it is sent in its own address space.
struct RemoteTool {
    TOOLINFOA info;
    char text[kTextSize];
};

// Sends a tooltip one message about a tool record that lives in the
// program, and reads the record back; false when the program's memory could
// not be used.
bool AskAboutTool(HANDLE process, HWND tooltip, UINT message, WPARAM wParam, RemoteTool* remote, RemoteTool& local)
{
    local.info.lpszText = remote->text;
    if (!::WriteProcessMemory(process, remote, &local, sizeof local, nullptr))
        return false;
    ::SendMessageA(tooltip, message, wParam, reinterpret_cast<LPARAM>(&remote->info));
    if (!::ReadProcessMemory(process, remote, &local, sizeof local, nullptr))
        return false;
    local.text[kTextSize - 1] = '\0';
    return true;
}

// The window and text of a tooltip's first tool: the enumeration names the
// tool, the text is then asked for into the record's buffer.
void ReadFirstTool(HANDLE process, HWND tooltip, RegisteredTooltip& read)
{
    auto* remote = static_cast<RemoteTool*>(
        ::VirtualAllocEx(process, nullptr, sizeof(RemoteTool), MEM_COMMIT, PAGE_READWRITE));
    if (remote == nullptr)
        return;
    RemoteTool local = {};
    local.info.cbSize = TTTOOLINFOA_V2_SIZE;
    if (AskAboutTool(process, tooltip, TTM_ENUMTOOLSA, 0, remote, local)) {
        read.tool = local.info.hwnd;
        if (AskAboutTool(process, tooltip, TTM_GETTEXTA, kTextSize, remote, local))
            read.text = local.text;
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
}

} // namespace

std::vector<RegisteredTooltip> RegisteredTooltips(const Program& program)
{
    std::vector<RegisteredTooltip> tooltips;
    for (HWND window : program.TopLevelWindows()) {
        if (ClassOf(window) != TOOLTIPS_CLASSA)
            continue;
        RegisteredTooltip tooltip = { window, static_cast<int>(::SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0)),
                                      nullptr, std::string() };
        if (tooltip.toolCount > 0)
            ReadFirstTool(program.Handle(), window, tooltip);
        tooltips.push_back(tooltip);
    }
    return tooltips;
}

} // namespace driver
