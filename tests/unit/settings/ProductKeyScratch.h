#pragma once
#include "settings/ProductKey.h"
#include <windows.h>
#include <sddl.h>
#include <string>

// Points this process's HKEY_CURRENT_USER at an empty key of its own, so the
// product key the code under test opens lives in a scratch tree. Each test
// runs in a process of its own; the key is named after the process.
class ProductKeyScratch {
public:
    ProductKeyScratch()
        : m_path("Software\\CorvaneTests\\product-key-" + std::to_string(::GetCurrentProcessId()))
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
        ::RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_root, nullptr);
        ::RegOverridePredefKey(HKEY_CURRENT_USER, m_root);
    }
    ~ProductKeyScratch()
    {
        if (m_readOnly)
            SetProductKeyAccess("D:(A;;KA;;;WD)");
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        ::RegCloseKey(m_root);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    }
    ProductKeyScratch(const ProductKeyScratch&) = delete;
    ProductKeyScratch& operator=(const ProductKeyScratch&) = delete;

    bool Valid() const { return m_root != nullptr; }

    static bool ProductKeyExists()
    {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, ProductKeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        ::RegCloseKey(key);
        return true;
    }

    // Stores a value of any type, as another program or a user could.
    static bool Put(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, ProductKeyPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr) != ERROR_SUCCESS)
            return false;
        const LONG result = ::RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(key);
        return result == ERROR_SUCCESS;
    }
    static bool PutDword(const char* name, DWORD data) { return Put(name, REG_DWORD, &data, sizeof data); }

    // The stored REG_DWORD, or false when there is none.
    static bool GetDword(const char* name, DWORD& data)
    {
        DWORD type = REG_NONE;
        DWORD size = sizeof data;
        return ::RegGetValueA(HKEY_CURRENT_USER, ProductKeyPath().c_str(), name, RRF_RT_ANY, &type, &data, &size) ==
                   ERROR_SUCCESS &&
               type == REG_DWORD && size == sizeof data;
    }

    // Leaves the product key readable but refuses it to every writer: a
    // DACL on the key itself, since an override with a read-only handle
    // does not stop writes under Wine.
    bool MakeProductKeyReadOnly()
    {
        if (!PutDword("Marker", 0))
            return false;
        m_readOnly = true;
        return SetProductKeyAccess("D:P(A;;0x70019;;;WD)");
    }

private:
    static bool SetProductKeyAccess(const char* sddl)
    {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
            return false;
        HKEY key = nullptr;
        LONG result = ::RegOpenKeyExA(HKEY_CURRENT_USER, ProductKeyPath().c_str(), 0, WRITE_DAC, &key);
        if (result == ERROR_SUCCESS) {
            result = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
            ::RegCloseKey(key);
        }
        ::LocalFree(descriptor);
        return result == ERROR_SUCCESS;
    }

    std::string m_path;
    HKEY m_root = nullptr;
    bool m_readOnly = false;
};
