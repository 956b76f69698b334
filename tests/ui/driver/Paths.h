#pragma once
#include <string>

// Where the black-box tests find what the build made. Every path is a Windows
// path; the build tree is reached through Wine's drive Z:, which maps the Unix
// root.
namespace driver {

// The Corvane.exe the build made (never started from there: tests copy it).
std::string BuiltCorvanePath();
// skin.smf as the build installs it beside Corvane.exe.
std::string BuiltSkinPath();
// The user guide (USER-GUIDE.html) as the build installs it beside Corvane.exe,
// with its pictures in the "guide" folder next to it.
std::string BuiltUserGuidePath();
// A stand-in the build made: the programs "UpdateApp.exe", "Zendry.exe" and
// "Browser.exe", the library "LibraryProbe.dll".
std::string StandInPath(const std::string& name);
// The folder under the build tree that holds every test's scratch folder.
std::string ScratchRoot();
// The library that reads menus inside the program under test.
std::string MenuProbePath();
// The library that stops window timers inside the program under test.
std::string TimerProbePath();

// "/work/x" <-> "Z:\\work\\x". Only paths on drive Z: have a Unix form.
std::string WindowsPathFromUnix(const std::string& path);
std::string UnixPathFromWindows(const std::string& path);

} // namespace driver
