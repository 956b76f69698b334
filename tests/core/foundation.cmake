# The foundation's platform-neutral parsers: dialog init data and skin files.
corvane_core_library(NAME foundation_core SOURCES
  framework/DialogInit.cpp
  skin/SkinFile.cpp)

corvane_core_test(NAME foundation_core_tests
  SOURCES
    tests/unit/framework/DialogInitParseTest.cpp
    tests/unit/skin/SkinFileTest.cpp
  LIBS foundation_core)

corvane_fuzz_target(NAME dialog_init_fuzz
  SOURCES tests/core/foundation/DialogInitFuzz.cpp
  CORPUS tests/core/foundation/dialog-init-seeds
  LIBS foundation_core
  RUNS 200000)

corvane_fuzz_target(NAME skin_file_fuzz
  SOURCES tests/core/foundation/SkinFileFuzz.cpp
  CORPUS tests/core/foundation/skin-seeds
  LIBS foundation_core
  RUNS 200000)
