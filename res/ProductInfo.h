#pragma once

// The product's own names, shared like the resources: the updater, the registry
// key, the Run-key value and the tray use them.

// The version is written here and nowhere else: the resources, the packages'
// names and the installer (packaging/version.sh) all take it from these three
// numbers.
#define CORVANE_VERSION_MAJOR 4
#define CORVANE_VERSION_MINOR 6
#define CORVANE_VERSION_PATCH 0

#define CORVANE_TEXT_OF(x) #x
#define CORVANE_NUMBER_TEXT(x) CORVANE_TEXT_OF(x)
// "4.6.0": adjacent literals, which both the compiler and windres join.
#define CORVANE_VERSION_TEXT                                                                 \
    CORVANE_NUMBER_TEXT(CORVANE_VERSION_MAJOR) "." CORVANE_NUMBER_TEXT(CORVANE_VERSION_MINOR) \
    "." CORVANE_NUMBER_TEXT(CORVANE_VERSION_PATCH)

#ifndef RC_INVOKED
constexpr const char* kProductName = "Corvane";
constexpr const char* kProductVersion = CORVANE_VERSION_TEXT;
constexpr const char* kMakerDomain = "corvane.example";
constexpr const char* kClientName = "Zendry";
#endif
