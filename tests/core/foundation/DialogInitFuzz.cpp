// Any bytes as dialog init data: the parser reads only inside them, and every
// item it returns lies whole inside the data.
#include "framework/DialogInit.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::size_t used = 0;
    for (const DialogInitItem& item : ParseDialogInit(data, size)) {
        // Each record is an 8-byte header and at least its text.
        used += 8 + item.text.size();
        if (item.controlId == 0 || item.controlId > 0xFFFF || used > size)
            std::abort();
    }
    return 0;
}
