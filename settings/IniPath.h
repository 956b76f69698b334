#pragma once
#include <string>

// The INI file that belongs to an executable: its own name with the extension
// replaced by ".ini", in its own folder ("C:\\Apps\\Corvane.exe" ->
// "C:\\Apps\\Corvane.ini"). A dot in a folder name is no extension, and a name
// without one simply gets ".ini" appended. Paths of any length are kept whole:
// a cut path would name some other file.
std::string IniPathForModule(const std::string& modulePath);
