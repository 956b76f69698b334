#pragma once
#include "framework/ProgramStart.h"
#include <cstddef>
#include <optional>
#include <string>

// The Zendry client records its installation folder in a key of its own,
// which we only read.
constexpr const char* kClientKeyPath = "Software\\Zendry";
constexpr const char* kClientInstallPathValue = "Install Path";
constexpr const char* kClientExeName = "Zendry.exe";
// "Install Path" is read into a buffer of this many bytes: a folder of up to
// 255 characters and its terminating zero fit.
constexpr std::size_t kInstallPathBufferSize = 256;

constexpr const char* kClientNotInstalledMessage =
    "Zendry is not installed on your PC!\nPlease install it first to use this option.";

enum class ClientStatus {
    NotInstalled, // the client's key cannot be opened
    NoUsablePath, // the key holds no "Install Path" that fits the buffer
    Located,      // exePath names the client's executable
};

struct ClientLocation {
    ClientStatus status;
    std::string exePath;
};

// The folder text in a zero-filled query buffer. Data that fills all of it
// with no terminating zero does not fit, and nothing past the buffer is read.
std::optional<std::string> InstallFolderFromBuffer(const char* buffer, std::size_t size);

// "<folder>\Zendry.exe", taken verbatim: a folder ending in a backslash gives
// two backslashes, an empty folder a path starting with one.
std::string ClientExePath(const std::string& folder);

// The message for a launch that failed, naming the whole path however long.
std::string ClientNotFoundMessage(const std::string& exePath);

// Looks the client up under the current user's key.
ClientLocation LocateClient();

// Starts the executable with its default action, shown in its current size and
// position (SW_SHOW). Nothing waits for it or keeps a handle.
StartResult LaunchClient(const std::string& exePath);
