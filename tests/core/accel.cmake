# The acceleration folder's platform-neutral parts: the bind-address choice
# and the clock shared by the session clock and the window clock.
corvane_core_library(NAME accel_core SOURCES
  accel/BindAddress.cpp
  accel/SessionClock.cpp)

corvane_core_test(NAME accel_core_tests
  SOURCES
    tests/unit/accel/BindAddressTest.cpp
    tests/unit/accel/SessionClockTest.cpp
  LIBS accel_core)
