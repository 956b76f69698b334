#pragma once

// The web page behind each link item of the tray popup; null for any other id.
const char* WebLinkAddress(unsigned commandId);

// The user guide that "Help" (and F1) opens, installed beside the executable.
constexpr const char* kUserGuideFile = "USER-GUIDE.html";
