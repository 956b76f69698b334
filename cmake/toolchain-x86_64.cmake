# Cross-compiles for 64-bit Windows with mingw-w64 (posix threads); tests run under 64-bit Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CORVANE_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CORVANE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CORVANE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CORVANE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${CORVANE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ctest runs the test programs under Wine in the prefix <build root>/wineprefix;
# the build root is the folder above the build folder unless scripts/build.sh names it.
if(NOT CORVANE_BUILD_ROOT)
  get_filename_component(CORVANE_BUILD_ROOT "${CMAKE_BINARY_DIR}/.." ABSOLUTE)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-emulator.sh ${CORVANE_BUILD_ROOT})
