#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// How many characters of an adapter's description its label shows.
constexpr std::size_t kLabelDescriptionChars = 38;

// An entry of the interface box: " <description> <speed> Mb". The description
// ends at its first zero byte or after size bytes and is cut to 38
// characters; the speed is bit/s shifted right by 20, so 100,000,000 bit/s
// shows as 95 and 1,000,000,000 bit/s as 953.
std::string InterfaceLabel(const char* description, std::size_t size, std::uint32_t speed);

// Wide-area miniports (" WAN " at the start), ISATAP tunnels (" isatap."
// at the start) and anything with "Loopback" in its label are no interfaces
// a user wants to watch. The checks are case-sensitive and see only the
// label, that is the description's first 38 characters.
bool IsListedInterface(const std::string& label);
