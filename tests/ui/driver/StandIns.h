#pragma once
#include <windows.h>
#include <string>
#include <vector>

// What the stand-in programs (UpdateApp.exe, Zendry.exe) recorded: each run
// appends its command line, its own full path and its current folder to
// "<its path>.log".
namespace driver {

struct StandInRun {
    std::string commandLine;
    std::string program;
    std::string folder;

    // The command line without the program's own (quoted or bare) first word
    // and the one space after it: what the starter passed as parameters.
    std::string Arguments() const;
};

std::vector<StandInRun> ReadStandInRuns(const std::string& standInPath);
// The runs once there are at least `count` of them, or what there is after
// timeoutMs.
std::vector<StandInRun> WaitForStandInRuns(const std::string& standInPath, size_t count, DWORD timeoutMs = 10000);

} // namespace driver
