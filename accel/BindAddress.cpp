#include "accel/BindAddress.h"
#include <cstring>

const char* ChooseBindAddress(const char (*table)[kLocalAddrSize], int count)
{
    if (count <= 0)
        return nullptr;
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(table[i], "127.0.0.1") != 0 && std::strcmp(table[i], "0.0.0.0") != 0)
            return table[i];
    }
    return table[0];
}
