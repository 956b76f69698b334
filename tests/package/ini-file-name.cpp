// Prints the name of the INI file the program keeps its settings in when its
// executable has the given name, by the program's own rule: the package
// manifests' checks hold what a package manager keeps across updates to it.
// Usage: ini-file-name <executable's name>
#include "settings/IniPath.h"
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: ini-file-name <executable's name>\n", stderr);
        return 2;
    }
    std::puts(IniPathForModule(argv[1]).c_str());
    return 0;
}
