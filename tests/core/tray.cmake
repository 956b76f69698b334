# The tray folder's platform-neutral part: the tooltip's multibyte-aware cut.
corvane_core_library(NAME tray_core SOURCES tray/TrayTip.cpp)

corvane_fuzz_target(NAME tray_tip_fuzz
  SOURCES tests/core/tray/TrayTipFuzz.cpp
  LIBS tray_core
  RUNS 200000)
