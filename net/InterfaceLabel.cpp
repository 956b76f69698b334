#include "net/InterfaceLabel.h"
#include <cstring>

std::string InterfaceLabel(const char* description, std::size_t size, std::uint32_t speed)
{
    const void* end = std::memchr(description, '\0', size);
    std::size_t length = end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - description) : size;
    if (length > kLabelDescriptionChars)
        length = kLabelDescriptionChars;
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
