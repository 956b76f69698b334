// Any bytes as an adapter's description field: the label never reads past
// the field, holds at most 38 of its characters, and the filters take any
// label.
#include "net/InterfaceLabel.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t speed = 0;
    if (size >= sizeof speed) {
        std::memcpy(&speed, data, sizeof speed);
        data += sizeof speed;
        size -= sizeof speed;
    }
    // A field of exactly the input's length, so that ASan sees any overread.
    std::vector<char> field(data, data + size);
    const std::string label = InterfaceLabel(field.data(), field.size(), speed);
    const std::string number = " " + std::to_string(speed >> 20) + " Mb";
    if (label.size() < 1 + number.size() || label.size() > 1 + kLabelDescriptionChars + number.size())
        std::abort();
    if (label.compare(label.size() - number.size(), number.size(), number) != 0)
        std::abort();
    IsListedInterface(label);
    return 0;
}
