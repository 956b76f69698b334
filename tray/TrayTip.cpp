#include "tray/TrayTip.h"

std::size_t TipCopyLength(const char* text, std::size_t maxBytes, LeadBytePredicate isLeadByte)
{
    if (text == nullptr)
        return 0;
    std::size_t length = 0;
    while (text[length] != '\0') {
        const bool doubleByte = isLeadByte(static_cast<unsigned char>(text[length])) && text[length + 1] != '\0';
        const std::size_t next = length + (doubleByte ? 2 : 1);
        if (next > maxBytes)
            break;
        length = next;
    }
    return length;
}
