#include "net/StatisticsText.h"

std::string ByteCounterText(std::uint64_t octets)
{
    return " " + std::to_string(octets) + " ";
}

std::string ConnectionTypeWords(std::uint32_t flags)
{
    static const struct {
        std::uint32_t flag;
        const char* word;
    } kWords[] = {
        {kConnectionLan, " LAN "},
        {kConnectionModem, " Modem "},
        {kConnectionOffline, " Offline "},
        {kConnectionProxy, " Proxy "},
    };
    std::string words;
    for (const auto& entry : kWords) {
        if ((flags & entry.flag) != 0)
            words += entry.word;
    }
    return words;
}

void ApplyConnectionState(bool connected, std::uint32_t flags, std::string& status, std::string& type)
{
    std::string newStatus = connected ? kConnectedStatus : kNotConnectedStatus;
    if (connected) {
        std::string words = ConnectionTypeWords(flags);
        type.swap(words);
    }
    status.swap(newStatus);
}
