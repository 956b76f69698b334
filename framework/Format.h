#pragma once
#include <string>

// printf-style formatting into a std::string of any length; an allocation
// failure throws CMemoryException.
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(gnu_printf, 1, 2)))
#endif
    ;
