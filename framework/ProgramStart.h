#pragma once
#include <string>

// How every program, document and web page is started: as the shell's
// ShellExecute starts it, and never with administrator rights. When this
// process is elevated, the desktop's shell (Explorer) starts it instead, with
// the ordinary rights of the user logged on, as Microsoft recommends: a
// program someone replaced, or the browser behind a web page, does not run
// with ours. When this process is not elevated, it starts it itself.

enum class StartResult {
    // It runs, or it was handed to the program that opens it.
    Started,
    // Not started: no such file, nothing that opens it, or refused.
    Failed,
    // This process is elevated and the desktop's shell cannot be reached (it
    // is not running, or not yet at logon): nothing was started.
    ShellNotRunning,
};

// Starts file (a program or document by path, or a web address) with verb
// (null: its default action) and parameters (null: none), shown with show
// (SW_...), in this process's current folder. Call it on a thread that may
// enter a single-threaded COM apartment (the user-interface thread): the way
// through the desktop's shell needs one, and the apartment is kept.
StartResult StartProgram(const std::string& file, const char* parameters, const char* verb, int show);

// Whether file names a file by its path ("C:\dir\x.exe", "\x.exe",
// "\\server\share\x.exe") rather than a name the shell looks up (a web
// address, a bare program name).
bool NamesFileByPath(const std::string& file);
