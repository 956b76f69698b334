#pragma once
#include <cstdint>
#include <string>

// A byte counter as the platform keeps it, the whole number between two
// blanks: up to 20 digits for a 64-bit total, up to 10 where only the 32-bit
// total is there (it wraps to 0 after 4 GiB).
std::string ByteCounterText(std::uint64_t octets);

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
