#pragma once

// The product's own names, used by the updater, the registry and the tray.
constexpr const char* kProductName = "Corvane";
constexpr const char* kProductVersion = "4.6.0";
constexpr const char* kMakerDomain = "corvane.example";
constexpr const char* kClientName = "Zendry";
