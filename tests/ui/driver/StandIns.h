#pragma once
#include <windows.h>
#include <string>
#include <vector>

// What the stand-in programs (UpdateApp.exe, Zendry.exe, Browser.exe)
// recorded: each run appends its command line, its own full path, its
// current folder, the program that started it and the show state it was
// given to "<its path>.log".
namespace driver {

struct StandInRun {
    std::string commandLine;
    std::string program;
    std::string folder;
    // The starter's full path (its file name alone when its path could not
    // be read; empty when it had ended).
    std::string parent;
    // The SW_ number the starter gave, as text, or "default".
    std::string show;

    // The command line without the program's own (quoted or bare) first word
    // and the one space after it: what the starter passed as parameters.
    std::string Arguments() const;
    // The starter's file name, "explorer.exe".
    std::string ParentName() const;
};

std::vector<StandInRun> ReadStandInRuns(const std::string& standInPath);
// The runs once there are at least `count` of them, or what there is after
// timeoutMs.
std::vector<StandInRun> WaitForStandInRuns(const std::string& standInPath, size_t count, DWORD timeoutMs = 10000);

} // namespace driver
