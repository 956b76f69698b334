#pragma once
#include <windows.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One started copy of a program under test. The object ends the process (if
// it still runs) when it goes, so a failed test leaves nothing running.
namespace driver {

class Program {
public:
    // Starts exePath with the argument text (appended after the quoted path)
    // in the given working folder (the exe's own folder when empty). Null, and
    // a test failure, when the process cannot be created.
    static std::unique_ptr<Program> Start(const std::string& exePath, const std::string& arguments = std::string(),
                                          const std::string& workingFolder = std::string());
    // The other running copy of exePath, one that the program itself
    // started: the first process of that file not in `known`, taken over so
    // that it too ends with the object. Null when there is none.
    static std::unique_ptr<Program> FindOtherCopy(const std::string& exePath, const std::vector<DWORD>& known);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    bool IsRunning() const;
    // True when the process ended within timeoutMs.
    bool WaitForExit(DWORD timeoutMs);
    // Its exit code once it has ended.
    std::optional<DWORD> ExitCode() const;
    void Terminate();

    // Its top-level windows, visible or not.
    std::vector<HWND> TopLevelWindows() const;
    // The main window: the dialog captioned "Corvane" with the acceleration
    // toggle (1001); null while there is none. Visibility is not required.
    HWND FindMainWindow() const;
    // Waits until the main window exists and is visible (its initialisation is
    // over); null, and a test failure, after timeoutMs.
    HWND WaitForMainWindow(DWORD timeoutMs = 15000) const;

private:
    explicit Program(const PROCESS_INFORMATION& info) : m_info(info) {}
    PROCESS_INFORMATION m_info;
};

} // namespace driver
