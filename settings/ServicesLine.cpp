#include "settings/ServicesLine.h"
#include <cctype>
#include <cstring>

namespace {

const char* SkipSpaces(const char* p)
{
    while (*p == ' ')
        ++p;
    return p;
}

// The port as strtoul reads it (leading white space, a sign, digits), except
// that a negative number is no port at all: strtoul would wrap some of them,
// "-4294967295" into 1, into the accepted range.
std::optional<std::uint16_t> ParsePort(const char* p)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (*p == '-')
        return std::nullopt;
    if (*p == '+')
        ++p;
    unsigned long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + static_cast<unsigned long>(*p - '0');
        if (value > 65535)
            return std::nullopt;
    }
    if (value == 0)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::optional<std::uint8_t> ProtocolNumber(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text == "tcp")
        return kProtocolTcp;
    if (text == "udp")
        return kProtocolUdp;
    if (text == "icmp")
        return kProtocolIcmp;
    return std::nullopt;
}

} // namespace

std::optional<ServiceLine> ParseServicesLine(const char* line)
{
    if (line[0] == '#' || line[0] == '\r' || line[0] == '\n')
        return std::nullopt;

    const char* name = SkipSpaces(line);
    const char* nameEnd = std::strchr(name, ' ');
    if (nameEnd == nullptr)
        return std::nullopt;

    const char* number = SkipSpaces(nameEnd);
    const std::optional<std::uint16_t> port = ParsePort(number);
    if (!port)
        return std::nullopt;

    // The slash is looked for anywhere after the number, not only right behind it.
    const char* slash = std::strchr(number, '/');
    if (slash == nullptr)
        return std::nullopt;
    const char* protocol = slash + 1;
    const std::optional<std::uint8_t> protocolNumber =
        ProtocolNumber(std::string(protocol, std::strcspn(protocol, " \r\n")));
    if (!protocolNumber)
        return std::nullopt;

    return ServiceLine{*port, *protocolNumber, std::string(name, nameEnd)};
}
