#pragma once
#include <windows.h>
#include <string>

// One value under the product key: its name, and what a read yields when the
// value is absent, is not four bytes long, or the key cannot be opened.
struct ProductValue {
    const char* name;
    DWORD defaultValue;
};

// Every value the program keeps under HKEY_CURRENT_USER\SOFTWARE\<product>.
constexpr ProductValue kAutoResumeDownloads{"AutoResumeDownloads", 0};
constexpr ProductValue kRunOtherApp{"RunOtherApp", 0};
constexpr ProductValue kCheckPeriodNum{"CheckPeriodNum", 12};
constexpr ProductValue kCheckPeriodCombo{"CheckPeriodCombo", 0};
constexpr ProductValue kAccelerateN{"AccelerateN", 7};
constexpr ProductValue kNetwork{"Network", 0};

// "SOFTWARE\<product name>", under HKEY_CURRENT_USER.
std::string ProductKeyPath();

// The product key opened for querying values for the life of the object.
// Nothing is created: a user without the key reads every default.
class CProductKeyReader {
public:
    CProductKeyReader();
    ~CProductKeyReader();
    CProductKeyReader(const CProductKeyReader&) = delete;
    CProductKeyReader& operator=(const CProductKeyReader&) = delete;

    DWORD Read(const ProductValue& value) const;

private:
    HKEY m_hKey = nullptr;
};

// The product key created or opened with full access for the life of the
// object. When that is refused (a read-only key), every write is skipped.
class CProductKeyWriter {
public:
    CProductKeyWriter();
    ~CProductKeyWriter();
    CProductKeyWriter(const CProductKeyWriter&) = delete;
    CProductKeyWriter& operator=(const CProductKeyWriter&) = delete;

    bool IsOpen() const { return m_hKey != nullptr; }
    // Stores data as a REG_DWORD; false when the key is not open or the write is refused.
    bool Write(const ProductValue& value, DWORD data) const;

private:
    HKEY m_hKey = nullptr;
};

// One value, with the key opened and closed around it.
DWORD ReadProductValue(const ProductValue& value);
bool WriteProductValue(const ProductValue& value, DWORD data);
