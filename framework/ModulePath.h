#pragma once
#include <windows.h>
#include <string>

// The full path of a module, however long. GetModuleFileNameA neither reports
// the needed size nor terminates a cut result, so the buffer grows until the
// answer is shorter than the buffer.
std::string GetModulePath(HMODULE module = nullptr);
// The same path as the file system holds it. The "A" form gives it in the
// ANSI code page, where a letter the page lacks becomes another one: what
// decides on rights, or is handed to the system in UTF-16 anyway, takes this.
std::wstring GetModulePathW(HMODULE module = nullptr);

// `fileName` in the folder of `path` ("C:\\a\\b.exe", "x.ini" -> "C:\\a\\x.ini");
// a path without a folder gives the bare file name.
std::string PathBeside(const std::string& path, const std::string& fileName);
