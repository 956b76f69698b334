#include "tests/ui/driver/StandIns.h"
#include "tests/ui/driver/Files.h"
#include <sstream>

namespace driver {

namespace {

bool TakeField(const std::string& line, const char* prefix, std::string& field)
{
    const std::string start(prefix);
    if (line.compare(0, start.size(), start) != 0)
        return false;
    field = line.substr(start.size());
    return true;
}

} // namespace

std::string StandInRun::Arguments() const
{
    size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        end = commandLine.find('"', 1);
        end = end == std::string::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(" \t");
        if (end == std::string::npos)
            end = commandLine.size();
    }
    if (end < commandLine.size() && (commandLine[end] == ' ' || commandLine[end] == '\t'))
        ++end;
    return commandLine.substr(end);
}

std::string StandInRun::ParentName() const
{
    return parent.substr(parent.find_last_of('\\') + 1);
}

std::vector<StandInRun> ReadStandInRuns(const std::string& standInPath)
{
    std::vector<StandInRun> runs;
    const auto text = ReadFileText(standInPath + ".log");
    if (!text)
        return runs;
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string field;
        if (TakeField(line, "command line: ", field))
            runs.push_back({ field, std::string(), std::string(), std::string(), std::string() });
        else if (!runs.empty() && TakeField(line, "program: ", field))
            runs.back().program = field;
        else if (!runs.empty() && TakeField(line, "folder: ", field))
            runs.back().folder = field;
        else if (!runs.empty() && TakeField(line, "parent: ", field))
            runs.back().parent = field;
        else if (!runs.empty() && TakeField(line, "show: ", field))
            runs.back().show = field;
    }
    return runs;
}

std::vector<StandInRun> WaitForStandInRuns(const std::string& standInPath, size_t count, DWORD timeoutMs)
{
    std::vector<StandInRun> runs;
    // A run is complete once its last field is written.
    WaitUntil([&] {
        runs = ReadStandInRuns(standInPath);
        return runs.size() >= count && (runs.empty() || !runs.back().show.empty());
    }, timeoutMs);
    return runs;
}

} // namespace driver
