#pragma once
#include <string>

// The updater's five quoted fields: product, "6", version, the maker's web
// domain and "false", each followed by one space.
std::string UpdaterParameters();

// Starts the updater beside the executable. Launching it by full path keeps
// a program of the same name in the current folder from being run instead.
// The outcome is not checked: a missing updater, or no shell yet to start it
// at logon, changes nothing and says nothing.
void LaunchUpdater();
