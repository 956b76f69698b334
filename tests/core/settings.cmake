# The settings folder's platform-neutral parts: the services line parser and the
# services file loader, the INI file's path and value rules.
corvane_core_library(NAME settings_core SOURCES
  settings/CaptureSettingsRules.cpp
  settings/IniPath.cpp
  settings/ServicesLine.cpp
  settings/ServicesParser.cpp)

corvane_core_test(NAME settings_core_tests
  SOURCES
    tests/unit/settings/CaptureSettingsRulesTest.cpp
    tests/unit/settings/IniPathTest.cpp
    tests/unit/settings/ServicesLineTest.cpp
    tests/core/settings/ServicesFileTest.cpp
  LIBS settings_core)

corvane_fuzz_target(NAME services_line_fuzz
  SOURCES tests/core/settings/ServicesLineFuzz.cpp
  CORPUS tests/core/settings/services-seeds
  LIBS settings_core
  RUNS 200000)

corvane_fuzz_target(NAME ini_rules_fuzz
  SOURCES tests/core/settings/IniRulesFuzz.cpp
  LIBS settings_core
  RUNS 200000)
