// Any text as a skin file, and any line as a colour: a found colour always
// fits the 24 bits of a COLORREF.
#include "skin/SkinFile.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* name : { "Dialog", "" }) {
        if (const std::optional<unsigned> colour = FindSkinBackground(text, name); colour && *colour > 0xFFFFFF)
            std::abort();
    }
    if (const std::optional<unsigned> colour = ParseSkinColour(text); colour && (*colour > 0xFFFFFF || size != 7))
        std::abort();
    return 0;
}
