// The spelled-out atoi against the C library's strtol in the C locale,
// clamped to 32 bits: both skip the same white space, take one sign and
// stop at the first non-digit.
#include "settings/DecimalText.h"
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    errno = 0;
    long long expected = std::strtoll(text.c_str(), nullptr, 10);
    if (expected > INT_MAX)
        expected = INT_MAX;
    if (expected < INT_MIN)
        expected = INT_MIN;
    if (DecimalTextToInt(text.c_str()) != expected)
        std::abort();
    return 0;
}
