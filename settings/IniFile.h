#pragma once
#include <cstdint>
#include <string>

// One INI file, read and written through the platform's private-profile
// functions: "[section]" lines, then "key=value" lines, integers as decimal
// text. Every call names the section and the key first. The platform reports
// nothing we act on: a value that cannot be read gives the default, and a file
// that cannot be written stays as it was.
class CIniFile {
public:
    // The file beside the executable, named after it (see IniPathForModule).
    CIniFile();
    explicit CIniFile(std::string fileName);
    virtual ~CIniFile() = default;

    // The whole value, however long; `defaultText` when the key is missing.
    std::string ReadIniString(const char* section, const char* key, const char* defaultText) const;
    void WriteIniString(const char* section, const char* key, const char* text) const;

    int ReadIniInt(const char* section, const char* key, int defaultValue) const;
    void WriteIniInt(const char* section, const char* key, int value) const;

    // Read as strtoul reads the text: text that is not a number gives 0.
    std::uint32_t ReadIniUInt(const char* section, const char* key, std::uint32_t defaultValue) const;
    void WriteIniUInt(const char* section, const char* key, std::uint32_t value) const;

    const std::string& FileName() const { return m_szFileName; }

protected:
    std::string m_szFileName;
};
