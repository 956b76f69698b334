#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Dialog initialisation data (resource type 240, named like its dialog):
// records of a 16-bit control id, a 16-bit message, a 32-bit length and that
// many bytes of data (a zero-terminated string), ended by a zero control id.
// Only string additions to combo boxes are used: message 0x0403 (its 16-bit
// Windows number) or CB_ADDSTRING.
struct DialogInitItem {
    unsigned controlId;
    std::string text;
};

// Parses the records; stops at the terminator, at a message other than a
// combo-box string addition, or where a record would run past the data.
std::vector<DialogInitItem> ParseDialogInit(const unsigned char* data, std::size_t size);

#if defined(_WIN32)
#include <windows.h>
// Adds the strings of dialog templateId's initialisation data to its controls.
void ExecuteDialogInit(HWND dialog, unsigned templateId);
#endif
