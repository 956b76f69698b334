// Black-box tests of random bytes where the program reads its files: fifty
// megabytes of them as the services file, and an INI file of random bytes
// with a few sections of keys among them. No crash, no hang, and what the
// platform read from the file before is read the same after the program
// wrote its keys.
#include "tests/ui/driver/CorvaneTest.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace driver;

// Seeded random bytes, the same every run.
std::string RandomBytes(std::mt19937& random, size_t count)
{
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A "key=value" line without the blanks the platform's profile writer
// drops around the key and the value (Wine counts Ctrl-Z among them); the
// reader keeps some of them, so a line can come back shorter once written.
bool IsBlank(char c)
{
    return c != '\0' && std::strchr(" \t\v\f\r\n\x1A", c) != nullptr;
}

std::string Trimmed(const std::string& text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string WithoutBlanks(const std::string& line)
{
    const size_t equals = line.find('=');
    if (equals == std::string::npos)
        return Trimmed(line);
    return Trimmed(line.substr(0, equals)) + "=" + Trimmed(line.substr(equals + 1));
}

// Every key of an INI file as the platform's profile functions read it:
// "section" -> "key=value" lines, in the file's order, without the blanks
// the writer drops.
std::map<std::string, std::vector<std::string>> ProfileEntries(const std::string& ini)
{
    std::map<std::string, std::vector<std::string>> entries;
    std::vector<char> names(1 << 20);
    const DWORD length = ::GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), ini.c_str());
    for (const char* name = names.data(); name < names.data() + length && *name != '\0';
         name += std::strlen(name) + 1) {
        std::vector<char> section(1 << 20);
        const DWORD got = ::GetPrivateProfileSectionA(name, section.data(), static_cast<DWORD>(section.size()),
                                                      ini.c_str());
        std::vector<std::string>& lines = entries[name];
        for (const char* line = section.data(); line < section.data() + got && *line != '\0';
             line += std::strlen(line) + 1)
            lines.push_back(WithoutBlanks(line));
    }
    return entries;
}

// Every key the program keeps in its INI file, with the value a run writes
// when the file gives it nothing of its own.
struct IniKey {
    const char* section;
    const char* key;
    const char* value;
};

const IniKey kProgramKeys[] = {
    { "main", "alwaysontop", "0" },    { "main", "nsresolve", "0" },     { "main", "portresolve", "0" },
    { "main", "idleseconds", "10" },   { "filters", "filtertcp", "0" },  { "filters", "filterudp", "0" },
    { "filters", "filtericmp", "0" },  { "mainwindow", "status", "-1" }, { "mainwindow", "top", "-1" },
    { "mainwindow", "bottom", "-1" },  { "mainwindow", "left", "-1" },   { "mainwindow", "right", "-1" },
    { "list", "srcaddr", "120" },      { "list", "destaddr", "120" },    { "list", "srcport", "80" },
    { "list", "destport", "80" },      { "list", "proto", "50" },        { "list", "traffic", "100" },
    { "list", "bs", "80" },            { "list", "abs", "80" },          { "log", "uselogfile", "0" },
    { "log", "autodelete", "0" },      { "log", "mbdelete", "1" },       { "log", "logtype", "0" },
    { "log", "logfile", "" },
};

bool IsProgramKey(const std::string& section, const std::string& line)
{
    const std::string key = line.substr(0, line.find('='));
    for (const IniKey& known : kProgramKeys) {
        if (_stricmp(section.c_str(), known.section) == 0 && _stricmp(key.c_str(), known.key) == 0)
            return true;
    }
    return false;
}

// Quit; true when the process then ended with exit code 0.
bool QuitsCleanly(Program& program, HWND window)
{
    PostCommand(window, kQuit);
    return program.WaitForExit(10000) && program.ExitCode() == std::optional<DWORD>(0);
}

using RandomFilesTest = CorvaneTest;

TEST_F(RandomFilesTest, FiftyMegabytesOfRandomBytesAsTheServicesFileOpenNormally)
{
    // Text mode ends a read at the first Ctrl-Z (0x1A): leaving it out makes
    // the program read all of it. Line breaks fall where the bytes put them,
    // NULs and lone CRs among them.
    std::mt19937 random(50);
    std::string services = RandomBytes(random, 50u << 20);
    std::replace(services.begin(), services.end(), '\x1A', '\x1B');
    const std::string path = Scratch().File("services");
    ASSERT_TRUE(WriteFileText(path, services));

    const DWORD start = ::GetTickCount();
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    // The same bound as any start: a read that hangs or slows to a crawl
    // exceeds it.
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    std::printf("faults: the window opened %lu ms after the start, over 50 MB of random services\n",
                ::GetTickCount() - start);
    EXPECT_EQ(FindMessageBox(*program), nullptr);
    EXPECT_TRUE(Responds(window));
    EXPECT_TRUE(QuitsCleanly(*program, window));
    EXPECT_TRUE(FileExists(Scratch().File("Corvane.ini")));
    EXPECT_EQ(ReadFileText(path), std::optional<std::string>(services)) << "the services file is only read";
}

TEST_F(RandomFilesTest, RandomBytesAsTheIniFileKeepWhatThePlatformReadsAndGetEveryKeyWritten)
{
    // Random bytes with two sections of keys a user could have added among
    // them, one of them a section of the program's own.
    std::mt19937 random(24);
    const std::string ini = Scratch().File("Corvane.ini");
    const std::string text = RandomBytes(random, 64 << 10) + "\r\n[other]\r\nkept=yes\r\n"
        + RandomBytes(random, 64 << 10) + "\r\n[log]\r\nrotate=weekly\r\nmbdelete=1000\r\n"
        + RandomBytes(random, 64 << 10);
    ASSERT_TRUE(WriteFileText(ini, text));
    // No byte-order mark: the platform reads the file as ANSI text.
    ASSERT_FALSE(text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0 || text.rfind("\xEF\xBB\xBF", 0) == 0);
    const std::map<std::string, std::vector<std::string>> before = ProfileEntries(ini);
    ASSERT_EQ(before.count("other"), 1u);
    for (const char* own : { "main", "filters", "mainwindow", "list" })
        ASSERT_EQ(before.count(own), 0u) << "the random bytes hold a section [" << own << "]";

    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindMessageBox(*program), nullptr);
    EXPECT_TRUE(QuitsCleanly(*program, window));

    // Every key the platform read before, the random ones included, is read
    // the same after, except the program's own keys.
    const std::map<std::string, std::vector<std::string>> after = ProfileEntries(ini);
    for (const auto& [section, lines] : before) {
        SCOPED_TRACE("section of " + std::to_string(section.size()) + " bytes");
        const auto found = after.find(section);
        ASSERT_NE(found, after.end());
        for (const std::string& line : lines) {
            if (!IsProgramKey(section, line)) {
                EXPECT_NE(std::find(found->second.begin(), found->second.end(), line), found->second.end())
                    << "a line of " << line.size() << " bytes is lost";
            }
        }
    }
    char value[64] = {};
    ::GetPrivateProfileStringA("other", "kept", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "yes");
    ::GetPrivateProfileStringA("log", "rotate", "", value, sizeof value, ini.c_str());
    EXPECT_STREQ(value, "weekly");
    // All 25 keys were written: the defaults, and mbdelete normalised.
    for (const IniKey& key : kProgramKeys) {
        SCOPED_TRACE(std::string(key.section) + "/" + key.key);
        ::GetPrivateProfileStringA(key.section, key.key, "(missing)", value, sizeof value, ini.c_str());
        EXPECT_STREQ(value, key.value);
    }
}

} // namespace
