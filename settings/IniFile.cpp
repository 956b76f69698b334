#include "settings/IniFile.h"
#include "framework/ModulePath.h"
#include "settings/CaptureSettingsRules.h"
#include "settings/IniPath.h"
#include <windows.h>
#include <utility>

CIniFile::CIniFile()
    : m_szFileName(IniPathForModule(GetModulePath()))
{
}

CIniFile::CIniFile(std::string fileName)
    : m_szFileName(std::move(fileName))
{
}

std::string CIniFile::ReadIniString(const char* section, const char* key, const char* defaultText) const
{
    // A value cut to fit the buffer comes back exactly one character short of
    // it; only then is the buffer too small.
    std::string value(256, '\0');
    for (;;) {
        const DWORD length = ::GetPrivateProfileStringA(section, key, defaultText, &value[0],
                                                        static_cast<DWORD>(value.size()), m_szFileName.c_str());
        if (length + 1 < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(value.size() * 2);
    }
}

void CIniFile::WriteIniString(const char* section, const char* key, const char* text) const
{
    ::WritePrivateProfileStringA(section, key, text, m_szFileName.c_str());
}

int CIniFile::ReadIniInt(const char* section, const char* key, int defaultValue) const
{
    return static_cast<int>(::GetPrivateProfileIntA(section, key, defaultValue, m_szFileName.c_str()));
}

void CIniFile::WriteIniInt(const char* section, const char* key, int value) const
{
    WriteIniString(section, key, std::to_string(value).c_str());
}

std::uint32_t CIniFile::ReadIniUInt(const char* section, const char* key, std::uint32_t defaultValue) const
{
    return ParseIniUnsigned(ReadIniString(section, key, std::to_string(defaultValue).c_str()).c_str());
}

void CIniFile::WriteIniUInt(const char* section, const char* key, std::uint32_t value) const
{
    WriteIniString(section, key, std::to_string(value).c_str());
}
