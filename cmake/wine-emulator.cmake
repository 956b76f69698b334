# ctest runs a target's test programs under Wine, each target in a prefix of
# its own inside the build root (scripts/wine-env.sh): x86_64 in the 64-bit
# <build root>/wineprefix, i686 in the 32-bit <build root>/wineprefix32. The
# build root is the folder above the build folder unless scripts/build.sh names it.
if(NOT CORVANE_BUILD_ROOT)
  get_filename_component(CORVANE_BUILD_ROOT "${CMAKE_BINARY_DIR}/.." ABSOLUTE)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-emulator.sh ${CORVANE_BUILD_ROOT} ${CMAKE_SYSTEM_PROCESSOR})
