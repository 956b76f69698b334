#pragma once
#include <windows.h>
#include <optional>
#include <string>

// The registry places Corvane reads and writes, all under HKEY_CURRENT_USER,
// and plain reads and writes of single values for the tests.
namespace driver {

constexpr const char* kProductKey = "SOFTWARE\\Corvane";
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Corvane";
constexpr const char* kClientKey = "Software\\Zendry";
constexpr const char* kClientPathValue = "Install Path";

// Removes the product key, the "Corvane" Run-key value and the client's key.
void CleanCorvaneRegistry();

bool KeyExists(HKEY root, const std::string& key);
// None when the key or value is missing or has another type.
std::optional<DWORD> ReadDword(HKEY root, const std::string& key, const std::string& value);
std::optional<std::string> ReadString(HKEY root, const std::string& key, const std::string& value);
// Create the key when needed.
bool WriteDword(HKEY root, const std::string& key, const std::string& value, DWORD data);
bool WriteString(HKEY root, const std::string& key, const std::string& value, const std::string& data);

} // namespace driver
