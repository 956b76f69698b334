#include "settings/ProductKey.h"
#include "framework/Format.h"
#include "res/ProductInfo.h"

std::string ProductKeyPath()
{
    return Format("SOFTWARE\\%s", kProductName);
}

CProductKeyReader::CProductKeyReader()
{
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, ProductKeyPath().c_str(), 0, KEY_QUERY_VALUE, &m_hKey) != ERROR_SUCCESS)
        m_hKey = nullptr;
}

CProductKeyReader::~CProductKeyReader()
{
    if (m_hKey != nullptr)
        ::RegCloseKey(m_hKey);
}

DWORD CProductKeyReader::Read(const ProductValue& value) const
{
    if (m_hKey == nullptr)
        return value.defaultValue;
    DWORD data = value.defaultValue;
    DWORD size = sizeof data;
    // Four bytes are a number whatever type they were stored as: tools that
    // write REG_BINARY rely on it. A longer value answers ERROR_MORE_DATA and
    // leaves the buffer undefined; a shorter one fills only part of it.
    const LONG result = ::RegQueryValueExA(m_hKey, value.name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size);
    if (result != ERROR_SUCCESS || size != sizeof data)
        return value.defaultValue;
    return data;
}

CProductKeyWriter::CProductKeyWriter()
{
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, ProductKeyPath().c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &m_hKey, nullptr) != ERROR_SUCCESS)
        m_hKey = nullptr;
}

CProductKeyWriter::~CProductKeyWriter()
{
    if (m_hKey != nullptr)
        ::RegCloseKey(m_hKey);
}

bool CProductKeyWriter::Write(const ProductValue& value, DWORD data) const
{
    if (m_hKey == nullptr)
        return false;
    return ::RegSetValueExA(m_hKey, value.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

DWORD ReadProductValue(const ProductValue& value)
{
    return CProductKeyReader().Read(value);
}

bool WriteProductValue(const ProductValue& value, DWORD data)
{
    return CProductKeyWriter().Write(value, data);
}
