#pragma once
#include <exception>

// The framework's exception type. Framework calls that build texts turn an
// allocation failure into a CMemoryException, so callers catch one type.
class CException : public std::exception {
public:
    const char* what() const noexcept override { return "framework exception"; }
};

class CMemoryException : public CException {
public:
    const char* what() const noexcept override { return "out of memory"; }
};
