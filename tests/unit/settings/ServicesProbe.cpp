// Loads the "services" file beside this program, as Corvane loads its own, and
// prints the table from the head: "port protocol name" a line.
#include "settings/ServicesParser.h"
#include <cstdio>

int main()
{
    const CServicesParser parser;
    for (const ServiceEntry* entry = parser.Head(); entry != nullptr; entry = entry->next)
        std::printf("%u %u %s\n", entry->port, entry->protocol, entry->name.c_str());
    return 0;
}
