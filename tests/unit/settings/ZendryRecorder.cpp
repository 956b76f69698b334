// Stands in for the Zendry client: records that it ran, and its command line,
// in "Zendry.ran" beside itself, then ends.
#include <cstdio>
#include <string>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[1024] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return 1;
    std::string record(path);
    record.resize(record.find_last_of('\\') + 1);
    record += "Zendry.ran";
    FILE* file = std::fopen(record.c_str(), "wb");
    if (file == nullptr)
        return 1;
    std::fputs(::GetCommandLineA(), file);
    std::fclose(file);
    return 0;
}
