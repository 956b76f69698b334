// Black-box tests of faults in what the program finds around it: a product
// key and an INI folder that both refuse writes, libraries planted beside it
// under the names of system libraries, and a product key full of values of
// the wrong type. Each time: no crash, no hang, nothing lost that was there
// before, and nothing planted run.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/Refusals.h"
#include <string>
#include <vector>

namespace {

using namespace driver;

// A registry value as stored: its type and its bytes.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<unsigned char> bytes;
    bool operator==(const RawValue& other) const { return type == other.type && bytes == other.bytes; }
};

bool WriteRaw(const std::string& key, const std::string& name, const RawValue& value)
{
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExA(opened, name.c_str(), 0, value.type, value.bytes.data(),
                                         static_cast<DWORD>(value.bytes.size()));
    ::RegCloseKey(opened);
    return result == ERROR_SUCCESS;
}

std::optional<RawValue> ReadRaw(const std::string& key, const std::string& name)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LONG result = ::RegQueryValueExA(opened, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.bytes.resize(size);
        result = ::RegQueryValueExA(opened, name.c_str(), nullptr, &value.type, value.bytes.data(), &size);
        value.bytes.resize(size);
    }
    ::RegCloseKey(opened);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

// How many values the key holds, -1 when it cannot be opened.
long ValueCount(const std::string& key)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return -1;
    DWORD values = 0;
    const LONG result = ::RegQueryInfoKeyA(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                                           nullptr, nullptr, nullptr, nullptr);
    ::RegCloseKey(opened);
    return result == ERROR_SUCCESS ? static_cast<long>(values) : -1;
}

RawValue Bytes(DWORD type, std::vector<unsigned char> bytes)
{
    return RawValue{ type, std::move(bytes) };
}

// Text with its terminating zero, as the registry stores a string.
RawValue Text(DWORD type, const std::string& text)
{
    return RawValue{ type, std::vector<unsigned char>(text.c_str(), text.c_str() + text.size() + 1) };
}

// Wine prefers the copies of these libraries beside Corvane.exe to its own
// while the object lives, as Windows does for every library that is not a
// known DLL: the registry's form of WINEDLLOVERRIDES, for Corvane.exe alone
// (the variable does not reach a program started from Windows code).
// "native,builtin" falls back to Wine's own library, so an override left
// behind by a killed run changes nothing for the other tests.
class LibrariesBesideCorvane {
public:
    explicit LibrariesBesideCorvane(const std::vector<std::string>& libraries)
    {
        m_bApplied = true;
        for (const std::string& library : libraries)
            m_bApplied = WriteRaw(kOverrides, library, Text(REG_SZ, "native,builtin")) && m_bApplied;
    }
    ~LibrariesBesideCorvane() { Remove(); }
    LibrariesBesideCorvane(const LibrariesBesideCorvane&) = delete;
    LibrariesBesideCorvane& operator=(const LibrariesBesideCorvane&) = delete;
    bool Applied() const { return m_bApplied; }

    static void Remove()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kCorvaneDefaults);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kCorvaneDefaults);
    }

private:
    static constexpr const char* kCorvaneDefaults = "Software\\Wine\\AppDefaults\\Corvane.exe";
    static constexpr const char* kOverrides = "Software\\Wine\\AppDefaults\\Corvane.exe\\DllOverrides";
    bool m_bApplied = false;
};

// Quit while the window shows or hides; true when the process then ended
// with exit code 0.
bool QuitsCleanly(Program& program, HWND window)
{
    PostCommand(window, kQuit);
    return program.WaitForExit(10000) && program.ExitCode() == std::optional<DWORD>(0);
}

class FaultsTest : public CorvaneTest {
protected:
    void SetUp() override
    {
        // What a killed earlier run may have left: a locked folder, an override.
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        UnlockTree(ScratchRoot() + "\\FaultsTest." + name);
        LibrariesBesideCorvane::Remove();
        CorvaneTest::SetUp();
    }
};

TEST_F(FaultsTest, ReadOnlyKeyAndLockedFolderTogetherLoseNothingAndShowNothing)
{
    const std::string folder = Scratch().MakeSubfolder("locked");
    const std::string exe = Scratch().InstallCorvane(true, folder);
    const std::string ini = folder + "\\Corvane.ini";
    const std::string stored = "[main]\r\nalwaysontop=1\r\n[log]\r\nmbdelete=1000\r\n[other]\r\nkept=yes\r\n";
    ASSERT_TRUE(WriteFileText(ini, stored));
    const std::vector<std::string> before = FolderListing(folder);
    const bool strayBefore = FileExists(WindowsFolderIni());
    ReadOnlyProductKey key;
    ASSERT_TRUE(key.Applied());
    ImmutablePaths locked({ folder, ini });
    if (!locked.Lock())
        GTEST_SKIP() << "chattr +i does not lock " << folder << " on this file system (or without root)";

    Program* program = StartExe(exe);
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindMessageBox(*program), nullptr);

    // Both flags and the three numbers: every write is refused, silently.
    SendCommand(window, kAutoResumeDownloads);
    SendCommand(window, kAutoRunClient);
    SetControlText(window, kCheckPeriod, "30");
    SendCommand(window, kMinimize);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(window); }, 5000));
    EXPECT_EQ(FindMessageBox(*program), nullptr);
    EXPECT_TRUE(Responds(window));
    EXPECT_TRUE(QuitsCleanly(*program, window));

    EXPECT_EQ(ReadFileText(ini), std::optional<std::string>(stored));
    EXPECT_EQ(FolderListing(folder), before);
    if (!strayBefore) {
        EXPECT_FALSE(FileExists(WindowsFolderIni())) << "the settings went to the Windows folder instead";
    }
    EXPECT_EQ(ValueCount(kProductKey), 1);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kProductKey, "Marker"), std::optional<std::string>("kept"));
}

TEST_F(FaultsTest, LibrariesPlantedBesideTheProgramAreNotLoaded)
{
    // The libraries the program uses that are not known DLLs of Windows.
    const std::vector<std::string> planted = { "comctl32", "iphlpapi", "wininet" };
    LibrariesBesideCorvane overrides(planted);
    ASSERT_TRUE(overrides.Applied());
    for (const std::string& library : planted)
        ASSERT_TRUE(CopyFileTo(StandInPath("LibraryProbe.dll"), Scratch().File(library + ".dll")));

    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    EXPECT_NE(window, nullptr);
    if (window != nullptr) {
        EXPECT_EQ(FindMessageBox(*program), nullptr);
        // Each of the three at work: the common controls' tooltips, the
        // interface list, and a statistics tick's connection state.
        EXPECT_FALSE(ComboItems(window, kNetworkBox).empty());
        SendTimer(window, kStatsTimer);
        EXPECT_FALSE(ControlText(window, kStatus).empty());
        EXPECT_TRUE(Responds(window));
        EXPECT_TRUE(QuitsCleanly(*program, window));
    }
    // A copy that was loaded says so, whether or not the window came.
    for (const std::string& library : planted) {
        const std::string log = Scratch().File(library + ".dll.log");
        EXPECT_FALSE(FileExists(log)) << ReadFileText(log).value_or("");
    }
}

TEST_F(FaultsTest, FourBytesOfAnyTypeAreNumbersOtherSizesGiveTheDefaultsAndUnrelatedDataStays)
{
    // Each of the six as something other than a whole REG_DWORD. Four bytes
    // are taken whatever their type: binary, and a multi-string whose bytes
    // read as 12339. Text, two bytes of a DWORD, a QWORD and three bytes give
    // the defaults; RunOtherApp's two bytes would start the (missing) client
    // with its message if they were taken.
    const std::vector<std::pair<std::string, RawValue>> wrong = {
        { "AutoResumeDownloads", Text(REG_SZ, "1") },
        { "RunOtherApp", Bytes(REG_DWORD, { 1, 0 }) },
        { "CheckPeriodNum", Bytes(REG_BINARY, { 30, 0, 0, 0 }) },
        { "CheckPeriodCombo", Bytes(REG_QWORD, { 1, 0, 0, 0, 0, 0, 0, 0 }) },
        { "AccelerateN", Bytes(REG_MULTI_SZ, { '3', '0', 0, 0 }) },
        { "Network", Bytes(REG_DWORD_BIG_ENDIAN, { 0, 0, 2 }) },
    };
    const std::vector<std::pair<std::string, RawValue>> unrelated = {
        { "Marker", Text(REG_SZ, "kept") },
        { "Blob", Bytes(REG_BINARY, { 0xDE, 0xAD, 0xBE, 0xEF, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }) },
        { "Empty", Bytes(REG_NONE, {}) },
    };
    const std::string plugins = std::string(kProductKey) + "\\Plugins";
    const RawValue pluginPath = Text(REG_EXPAND_SZ, "%TEMP%\\x");
    for (const auto& [name, value] : wrong)
        ASSERT_TRUE(WriteRaw(kProductKey, name, value)) << name;
    for (const auto& [name, value] : unrelated)
        ASSERT_TRUE(WriteRaw(kProductKey, name, value)) << name;
    ASSERT_TRUE(WriteRaw(plugins, "Path", pluginPath));

    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindMessageBox(*program), nullptr) << MessageBoxText(FindMessageBox(*program));
    EXPECT_EQ(ControlText(window, kCheckPeriod), "30");
    EXPECT_EQ(ComboSelection(window, kCheckPeriodUnit), 0);
    EXPECT_EQ(ControlText(window, kAccelerateFirst), "12339");
    EXPECT_EQ(ComboSelection(window, kNetworkBox), 0);

    // Auto Resume was read as off: its toggle writes 1. Minimize writes the
    // three numbers as shown.
    SendCommand(window, kAutoResumeDownloads);
    SendCommand(window, kMinimize);
    EXPECT_TRUE(QuitsCleanly(*program, window));

    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "AutoResumeDownloads"), 1u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "CheckPeriodNum"), 30u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "CheckPeriodCombo"), 0u);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kProductKey, "AccelerateN"), 12339u);
    // What the program did not write stays as it was, its own values of the
    // wrong type included.
    for (const auto& [name, value] : wrong) {
        if (name == "RunOtherApp" || name == "Network") {
            EXPECT_EQ(ReadRaw(kProductKey, name), std::optional<RawValue>(value)) << name;
        }
    }
    for (const auto& [name, value] : unrelated)
        EXPECT_EQ(ReadRaw(kProductKey, name), std::optional<RawValue>(value)) << name;
    EXPECT_EQ(ReadRaw(plugins, "Path"), std::optional<RawValue>(pluginPath));
    EXPECT_EQ(ValueCount(kProductKey), 9);
}

} // namespace
