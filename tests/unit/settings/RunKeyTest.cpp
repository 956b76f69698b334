#include "settings/RunKey.h"
#include "ScratchCurrentUser.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr const char* kName = "Corvane";

struct StoredValue {
    LONG result = ERROR_FILE_NOT_FOUND;
    DWORD type = 0;
    std::vector<char> data;
};

StoredValue ReadRunValue(const char* name)
{
    StoredValue value;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    value.result = ::RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
    if (value.result == ERROR_SUCCESS) {
        value.data.resize(size);
        value.result = ::RegQueryValueExA(key, name, nullptr, &value.type,
                                          reinterpret_cast<BYTE*>(value.data.data()), &size);
        value.data.resize(size);
    }
    ::RegCloseKey(key);
    return value;
}

class RunKey : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_user.Valid());
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                    nullptr),
                  ERROR_SUCCESS);
        ::RegCloseKey(key);
    }
    ScratchCurrentUser m_user;
};

TEST(RunKeyCommandLine, QuotesThePathAndAddsTheTrayArgument)
{
    EXPECT_EQ(RunEntryCommandLine("C:\\Program Files\\Corvane\\Corvane.exe"),
              "\"C:\\Program Files\\Corvane\\Corvane.exe\" -tray");
}

// What the entry's writer handed to the registry, passed on unchanged.
struct SetValueCall {
    DWORD type = 0;
    std::vector<char> data;
};
SetValueCall g_lastSetValue;

LSTATUS WINAPI RecordSetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    g_lastSetValue.type = type;
    g_lastSetValue.data.assign(reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size);
    return ::RegSetValueExA(key, name, reserved, type, data, size);
}

TEST_F(RunKey, EntryIsAStringWithItsTerminatingZeroCounted)
{
    const std::string exe = "C:\\Program Files\\Corvane\\Corvane.exe";
    const std::string expected = "\"" + exe + "\" -tray";
    EXPECT_FALSE(RunEntryExists(kName));

    g_pfnRunKeySetValue = RecordSetValue;
    const bool written = SetRunEntry(kName, true, exe);
    g_pfnRunKeySetValue = ::RegSetValueExA;
    ASSERT_TRUE(written);
    EXPECT_EQ(g_lastSetValue.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(g_lastSetValue.data, std::vector<char>(expected.c_str(), expected.c_str() + expected.size() + 1));

    const StoredValue value = ReadRunValue(kName);
    ASSERT_EQ(value.result, ERROR_SUCCESS);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(value.data.data(), value.data.size()), expected + '\0');
    EXPECT_TRUE(RunEntryExists(kName));
}

TEST_F(RunKey, PathLongerThanAShortBufferIsRegisteredWhole)
{
    const std::string exe = "C:\\" + std::string(150, 'd') + "\\" + std::string(150, 'e') + "\\Corvane.exe";
    ASSERT_TRUE(SetRunEntry(kName, true, exe));
    const StoredValue value = ReadRunValue(kName);
    ASSERT_EQ(value.result, ERROR_SUCCESS);
    EXPECT_STREQ(value.data.data(), ("\"" + exe + "\" -tray").c_str());
}

TEST_F(RunKey, HandWrittenValueOfAnyTypeIsPresentAndRemovable)
{
    const DWORD number = 7;
    const struct {
        DWORD type;
        const void* data;
        DWORD size;
    } values[] = {
        { REG_DWORD, &number, sizeof number },
        { REG_BINARY, "\x01\x02", 2 },
        { REG_SZ, "", 1 },
        { REG_MULTI_SZ, "a\0b\0", 5 },
        { REG_SZ, nullptr, 0 },
    };
    for (const auto& hand : values) {
        SCOPED_TRACE(hand.type);
        ASSERT_TRUE(WriteUserValue(kRunKeyPath, kName, hand.type, hand.data, hand.size));
        EXPECT_TRUE(RunEntryExists(kName));
        EXPECT_TRUE(SetRunEntry(kName, false, "C:\\unused.exe"));
        EXPECT_FALSE(RunEntryExists(kName));
        EXPECT_EQ(ReadRunValue(kName).result, ERROR_FILE_NOT_FOUND);
    }
}

TEST_F(RunKey, RemovingAnAbsentEntryChangesNothing)
{
    ASSERT_TRUE(WriteUserValue(kRunKeyPath, "Other", REG_SZ, "x", 2));
    EXPECT_TRUE(SetRunEntry(kName, false, "C:\\unused.exe"));
    EXPECT_EQ(ReadRunValue("Other").result, ERROR_SUCCESS);
}

TEST(RunKeyMissing, NothingIsCreatedOrWritten)
{
    ScratchCurrentUser user;
    ASSERT_TRUE(user.Valid());
    EXPECT_FALSE(RunEntryExists(kName));
    EXPECT_FALSE(SetRunEntry(kName, true, "C:\\Corvane\\Corvane.exe"));
    EXPECT_FALSE(SetRunEntry(kName, false, "C:\\Corvane\\Corvane.exe"));
    EXPECT_FALSE(UserKeyExists(kRunKeyPath));
    EXPECT_FALSE(UserKeyExists("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"));
    EXPECT_FALSE(RunEntryExists(kName));
}

} // namespace
