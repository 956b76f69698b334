// Corvane's entry point, named to the linker in app/CMakeLists.txt. It runs
// before anything else of the program, the static objects' constructors
// included: libraries are kept to the system folder first, then the C
// runtime's own start-up constructs the static objects and calls WinMain.
#include "framework/SystemLibraries.h"

extern "C" int WinMainCRTStartup();

extern "C" int ProgramEntry()
{
    KeepLibrariesInSystemFolder();
    return WinMainCRTStartup();
}
