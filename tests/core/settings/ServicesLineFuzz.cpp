// Any text as one services line: the parser must neither read past it nor
// accept anything that breaks the line rules.
#include "settings/ServicesLine.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Exactly as long as the input: a read beyond the terminator is a fault.
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::optional<ServiceLine> parsed = ParseServicesLine(line.c_str());
    if (!parsed)
        return 0;
    const std::string text = line.c_str();
    const bool portValid = parsed->port >= 1;
    const bool protocolValid = parsed->protocol == kProtocolTcp || parsed->protocol == kProtocolUdp ||
                               parsed->protocol == kProtocolIcmp;
    const std::string::size_type nameAt = text.find_first_not_of(' ');
    const bool nameValid = !parsed->name.empty() && parsed->name.find(' ') == std::string::npos &&
                           nameAt != std::string::npos && text.compare(nameAt, parsed->name.size(), parsed->name) == 0 &&
                           text[nameAt + parsed->name.size()] == ' ';
    const bool notComment = text[0] != '#' && text[0] != '\r' && text[0] != '\n';
    const std::string::size_type slash = text.find('/', nameAt + parsed->name.size());
    if (!portValid || !protocolValid || !nameValid || !notComment || slash == std::string::npos)
        std::abort();
    return 0;
}
