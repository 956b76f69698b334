#include "net/StatisticsText.h"

std::string ByteCounterText(std::uint64_t octets)
{
    // Digit by digit: the C runtimes' printf of 64-bit numbers differs
    // between the targets (msvcrt's %llu on 32-bit Windows).
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + octets % 10);
        octets /= 10;
    } while (octets != 0);
    std::string text(1, ' ');
    while (count > 0)
        text += digits[--count];
    text += ' ';
    return text;
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
