#pragma once

// The product's own names, shared like the resources: the updater, the registry
// key, the Run-key value and the tray use them.
constexpr const char* kProductName = "Corvane";
constexpr const char* kProductVersion = "4.6.0";
constexpr const char* kMakerDomain = "corvane.example";
constexpr const char* kClientName = "Zendry";
