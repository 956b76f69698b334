#include "settings/CaptureSettingsRules.h"
#include <cstdlib>

int NormaliseLogSizeLimit(int megabytes)
{
    return megabytes < 1 || megabytes > 999 ? 1 : megabytes;
}

int NormaliseLogType(int type)
{
    return type < 0 || type > 6 ? 0 : type;
}

std::uint32_t IdleSecondsToMilliseconds(std::uint32_t seconds)
{
    return seconds * 1000u;
}

std::uint32_t IdleMillisecondsToSeconds(std::uint32_t milliseconds)
{
    return milliseconds / 1000u;
}

std::uint32_t ParseIniUnsigned(const char* text)
{
    // Windows' strtoul reads a signed 64-bit number (held at its limits) and
    // then fits it to unsigned long: above ULONG_MAX gives ULONG_MAX, below
    // -ULONG_MAX gives 1, and everything between wraps round modulo 2^32.
    // Spelt out here so every build reads the text the same way.
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > 0xFFFFFFFFLL)
        return 0xFFFFFFFFu;
    if (value < -0xFFFFFFFFLL)
        return 1u;
    return static_cast<std::uint32_t>(value);
}
