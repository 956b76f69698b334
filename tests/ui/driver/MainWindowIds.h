#pragma once
#include <windows.h>

// The main window of Corvane.exe as the black-box tests find it: its
// controls and the tray popup's items by id, and the toggle's captions.
namespace driver {

// Buttons.
constexpr int kMinimize = 2;
constexpr int kRunClient = 3;
constexpr int kAccelerate = 1001;
constexpr int kQuit = 1007;

// The settings group.
constexpr int kAccelerateFirst = 1004;
constexpr int kCheckPeriod = 1005;
constexpr int kCheckPeriodUnit = 1006;

// The statistics panel.
constexpr int kDuration = 1009;
constexpr int kBytesReceived = 1011;
constexpr int kBytesSent = 1012;
constexpr int kStatus = 1015;
constexpr int kType = 1016;
constexpr int kSessionClock = 1022;
constexpr int kNetworkBox = 1025;

// The tray popup's check items.
constexpr UINT kRunAtStartup = 32781;
constexpr UINT kAutoResumeDownloads = 32785;
constexpr UINT kAutoRunClient = 32790;

// The acceleration toggle's caption while a session runs and while none does.
constexpr const char kRunning[] = "Status: accelerating\nPress to stop acceleration";
constexpr const char kStopped[] = "Status: stopped\nPress to start acceleration ";

} // namespace driver
