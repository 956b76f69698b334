#pragma once
#include <cstdint>
#include <string>

// The platform's counters are 32-bit totals that wrap to 0; shown as they
// are, between two blanks.
std::string ByteCounterText(std::uint32_t octets);

// The flags of InternetGetConnectedState that name a kind of connection.
constexpr std::uint32_t kConnectionModem = 0x01;
constexpr std::uint32_t kConnectionLan = 0x02;
constexpr std::uint32_t kConnectionProxy = 0x04;
constexpr std::uint32_t kConnectionOffline = 0x20;

constexpr const char* kConnectedStatus = " Connected";
constexpr const char* kNotConnectedStatus = "N/A";

// " LAN ", " Modem ", " Offline ", " Proxy ", in that order, each when its
// flag is set; other flags add nothing.
std::string ConnectionTypeWords(std::uint32_t flags);

// Status and type after one connection query. Without a connection the type
// keeps the words of the last query that found one. Either both texts change
// or, when building them fails, neither does.
void ApplyConnectionState(bool connected, std::uint32_t flags, std::string& status, std::string& type);
