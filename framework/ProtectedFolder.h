#pragma once
#include <string>
#include <vector>

// Where a program that runs with administrator rights may come from: the
// folders that only administrators can change. A program anywhere else can be
// replaced by any program of the user's, and whatever lies there when it is
// started as administrator gets those rights.

// Whether `path` names something inside `folder`: every component of the folder
// matches the path's first ones whole, letters compared as Windows compares
// them in file names, regardless of case. "C:\Program FilesX\a.exe" is not
// inside "C:\Program Files"; neither is the folder itself, nor a path that
// leaves it again through "..".
bool PathIsInside(const std::wstring& path, const std::wstring& folder);

// The Program Files folders as the system names them: the one for programs of
// this process's kind, the one for 32-bit programs, and the 64-bit one, which
// no folder id gives a 32-bit process on 64-bit Windows. A folder the system
// does not name is left out.
std::vector<std::wstring> ProtectedFolders();

// Whether this program's own file lies inside one of them.
bool RunsFromProtectedFolder();
