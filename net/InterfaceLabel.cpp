#include "net/InterfaceLabel.h"

std::string InterfaceLabel(const char* description, std::size_t size, std::uint32_t speed)
{
    // Never past the field, whether or not it holds a terminating zero.
    std::size_t length = 0;
    while (length < size && length < kLabelDescriptionChars && description[length] != '\0')
        ++length;
    return " " + std::string(description, length) + " " + std::to_string(speed >> 20) + " Mb";
}

bool IsListedInterface(const std::string& label)
{
    if (label.compare(0, 5, " WAN ") == 0)
        return false;
    if (label.compare(0, 8, " isatap.") == 0)
        return false;
    return label.find("Loopback") == std::string::npos;
}
