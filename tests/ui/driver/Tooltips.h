#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The tooltips a program has registered, read from outside without showing
// them: the common controls' tooltip windows among its top-level windows,
// asked through their own messages.
namespace driver {

class Program;

struct RegisteredTooltip {
    HWND tooltip;
    int toolCount;    // TTM_GETTOOLCOUNT
    HWND tool;        // the window of its first tool; null when it has none
    std::string text; // that tool's text
};

// Every tooltip window of the program, in no particular order.
std::vector<RegisteredTooltip> RegisteredTooltips(const Program& program);

} // namespace driver
