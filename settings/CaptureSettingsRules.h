#pragma once
#include <cstdint>

// How the capture settings' values are read from the INI file's text and put
// right before anyone sees them. No Win32 here: the rules are also built
// natively, under sanitizers and a fuzzer.

// The log size limit in megabytes: 1 to 999; anything else becomes 1.
int NormaliseLogSizeLimit(int megabytes);

// The log type: 0 to 6; anything else becomes 0.
int NormaliseLogType(int type);

// The idle time is kept in the file in seconds and in memory in milliseconds,
// in unsigned 32-bit arithmetic both ways: more than 4294967 seconds wrap
// (4294968 s is 704 ms, written back as 0 s).
std::uint32_t IdleSecondsToMilliseconds(std::uint32_t seconds);
std::uint32_t IdleMillisecondsToSeconds(std::uint32_t milliseconds);

// An unsigned value as Windows' strtoul reads it in base 10: leading white
// space and a sign accepted, reading stops at the first non-digit, text that is
// no number gives 0, and negative or too large numbers end up where Windows'
// 32-bit unsigned long puts them ("-1" is 4294967295). The same on every build.
std::uint32_t ParseIniUnsigned(const char* text);
