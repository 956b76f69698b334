#include "framework/Format.h"
#include "framework/Exception.h"
#include <cstdarg>
#include <cstdio>
#include <new>

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text;
    try {
        if (length > 0) {
            text.resize(static_cast<size_t>(length) + 1);
            std::vsnprintf(&text[0], text.size(), format, args);
            text.resize(static_cast<size_t>(length));
        }
    } catch (const std::bad_alloc&) {
        va_end(args);
        throw CMemoryException();
    }
    va_end(args);
    return text;
}
