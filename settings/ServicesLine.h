#pragma once
#include <cstdint>
#include <optional>
#include <string>

// IP protocol numbers of the protocols a services line may name.
constexpr std::uint8_t kProtocolIcmp = 1;
constexpr std::uint8_t kProtocolTcp = 6;
constexpr std::uint8_t kProtocolUdp = 17;

struct ServiceLine {
    std::uint16_t port;
    std::uint8_t protocol;
    std::string name;
};

// One line of a services file: "name port/protocol [anything]". Only the space
// character separates fields (a tab is part of a field), the protocol is tcp,
// udp or icmp in any letter case, and the port 1 to 65535. Comment lines ("#"
// first), empty lines and every line that breaks a rule give nothing.
std::optional<ServiceLine> ParseServicesLine(const char* line);
