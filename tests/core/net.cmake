# The network folder's platform-neutral parts: interface labels and their
# filters, the position map, the counter and connection texts; and the
# product key's atoi.
corvane_core_library(NAME net_core SOURCES
  net/InterfaceLabel.cpp
  net/InterfacePositions.cpp
  net/StatisticsText.cpp
  settings/DecimalText.cpp)

corvane_core_test(NAME net_core_tests
  SOURCES
    tests/unit/net/InterfaceLabelTest.cpp
    tests/unit/net/InterfacePositionsTest.cpp
    tests/unit/net/StatisticsTextTest.cpp
    tests/unit/settings/DecimalTextTest.cpp
  LIBS net_core)

corvane_fuzz_target(NAME interface_label_fuzz
  SOURCES tests/core/net/InterfaceLabelFuzz.cpp
  LIBS net_core
  RUNS 200000)

corvane_fuzz_target(NAME decimal_text_fuzz
  SOURCES tests/core/net/DecimalTextFuzz.cpp
  LIBS net_core
  RUNS 200000)
