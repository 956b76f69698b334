// Any text, under a Shift-JIS-like lead byte table: the cut never passes the
// limit or the terminating zero, never ends inside a double-byte character,
// and leaves out at most the one character that did not fit.
#include "tray/TrayTip.h"
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool ShiftJisLead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the limit; the rest, up to its first zero, is the text.
    const std::size_t maxBytes = data[0] % TRAY_TIP_MAX;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t length = TipCopyLength(text.c_str(), maxBytes, &ShiftJisLead);

    const std::size_t textLength = std::char_traits<char>::length(text.c_str());
    if (length > maxBytes || length > textLength)
        std::abort();
    const auto charLength = [&text](std::size_t at) -> std::size_t {
        return ShiftJisLead(static_cast<unsigned char>(text[at])) && text[at + 1] != '\0' ? 2 : 1;
    };
    std::size_t at = 0;
    while (at < length)
        at += charLength(at);
    if (at != length)
        std::abort();
    if (length < textLength && length + charLength(length) <= maxBytes)
        std::abort();
    return 0;
}
