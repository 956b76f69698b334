// Black-box tests of the pages the tray popup opens: the five web links and
// Help, each through the shell's "open" of the address or the user guide,
// which a browser stand-in registered for web pages and HTML files records.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/XServer.h"
#include <algorithm>
#include <iterator>
#include <optional>
#include <regex>
#include <utility>
#include <vector>

namespace {

using namespace driver;

// The shell's "open" of an http(s) address or an .html file runs the command
// of these classes. The prefix's classes live under HKLM (Wine does not merge
// HKCU's classes into HKCR); each command is put back when the test ends.
class BrowserStandIn {
public:
    explicit BrowserStandIn(std::string browser)
        : m_strBrowser(std::move(browser))
    {
        for (const char* kind : kKinds) {
            const std::string key = CommandKey(kind);
            m_saved.emplace_back(key, ReadString(HKEY_LOCAL_MACHINE, key, ""));
            EXPECT_TRUE(WriteString(HKEY_LOCAL_MACHINE, key, "", "\"" + m_strBrowser + "\" \"%1\""));
        }
        // Not every new prefix ties the extension to its class: without the
        // tie the shell finds no command for the guide at all.
        m_savedHtmlClass = ReadString(HKEY_LOCAL_MACHINE, kHtmlExtension, "");
        EXPECT_TRUE(WriteString(HKEY_LOCAL_MACHINE, kHtmlExtension, "", "htmlfile"));
    }
    ~BrowserStandIn()
    {
        for (const auto& [key, command] : m_saved) {
            if (command)
                WriteString(HKEY_LOCAL_MACHINE, key, "", *command);
        }
        if (m_savedHtmlClass)
            WriteString(HKEY_LOCAL_MACHINE, kHtmlExtension, "", *m_savedHtmlClass);
        else
            ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kHtmlExtension);
    }
    BrowserStandIn(const BrowserStandIn&) = delete;
    BrowserStandIn& operator=(const BrowserStandIn&) = delete;

    const std::string& Path() const { return m_strBrowser; }

private:
    static constexpr const char* kKinds[] = { "http", "https", "htmlfile" };
    static constexpr const char* kHtmlExtension = "Software\\Classes\\.html";
    static std::string CommandKey(const char* kind) { return std::string("Software\\Classes\\") + kind + "\\shell\\open\\command"; }

    std::string m_strBrowser;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
    std::optional<std::string> m_savedHtmlClass;
};

bool IsPlainAddress(const std::string& address)
{
    static const std::regex kPlain(R"(https://[a-z0-9.-]+\.[a-z]+/[A-Za-z0-9/_-]*)");
    return std::regex_match(address, kPlain);
}

using LinksTest = CorvaneTest;

TEST_F(LinksTest, EachLinkOpensItsOwnPlainAddressAndHelpOpensTheGuideBesideTheProgram)
{
    BrowserStandIn browser(Scratch().InstallStandIn("Browser.exe"));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    const UINT links[] = { 32792, 32794, 32795, 32796, 32797 };
    // One command at a time, each run waited for: browsers started together
    // record their runs in whichever order the machine gets round to them.
    std::vector<StandInRun> runs;
    for (UINT id : links) {
        SendCommand(window, id);
        runs = WaitForStandInRuns(browser.Path(), runs.size() + 1);
    }
    SendCommand(window, 32793);
    runs = WaitForStandInRuns(browser.Path(), std::size(links) + 1);
    ASSERT_EQ(runs.size(), std::size(links) + 1);

    // Every page opened without Corvane's rights, by the desktop's shell, in
    // Corvane's current folder, shown normally.
    for (const StandInRun& run : runs) {
        EXPECT_EQ(::lstrcmpiA(run.ParentName().c_str(), "explorer.exe"), 0) << run.parent;
        EXPECT_EQ(::lstrcmpiA(run.folder.c_str(), Scratch().Path().c_str()), 0) << run.folder;
        EXPECT_EQ(run.show, std::to_string(SW_SHOWNORMAL));
    }
    std::vector<std::string> addresses;
    for (size_t i = 0; i < std::size(links); ++i) {
        SCOPED_TRACE(links[i]);
        const std::string address = runs[i].Arguments();
        // Quoted by the class's command; no parameters of any kind behind it.
        ASSERT_GE(address.size(), 2u);
        const std::string bare = address.substr(1, address.size() - 2);
        EXPECT_TRUE(IsPlainAddress(bare)) << bare;
        for (const std::string& earlier : addresses)
            EXPECT_NE(bare, earlier);
        addresses.push_back(bare);
    }
    EXPECT_EQ(runs.back().Arguments(), "\"" + Scratch().File("USER-GUIDE.html") + "\"");
    EXPECT_TRUE(Responds(window));
}

TEST_F(LinksTest, HelpAndF1WithNoGuideBesideTheProgramNameTheMissingFile)
{
    BrowserStandIn browser(Scratch().InstallStandIn("Browser.exe"));
    const std::string guide = Scratch().File("USER-GUIDE.html");
    ASSERT_TRUE(::DeleteFileA(guide.c_str()));
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    const struct {
        const char* name;
        void (*ask)(HWND);
    } ways[] = { { "Help", [](HWND w) { PostCommand(w, 32793); } },
                 { "F1", [](HWND w) {
                      // On the real keyboard: the platform makes the help request of the key.
                      RECT box = {};
                      ::GetWindowRect(::GetDlgItem(w, kCheckPeriod), &box);
                      ClickAt((box.left + box.right) / 2, (box.top + box.bottom) / 2);
                      PressKeys("F1");
                  } } };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        way.ask(window);
        HWND box = WaitForMessageBox(*program, 5000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), "The user guide is missing:\n" + guide);
        EXPECT_EQ(TextOf(box), "Corvane");
        CloseMessageBox(box, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return FindMessageBox(*program) == nullptr; }, 5000));
    }
    EXPECT_TRUE(ReadStandInRuns(browser.Path()).empty());
    EXPECT_TRUE(Responds(window));
}

TEST_F(LinksTest, TheInstalledGuideFindsEveryPictureItShows)
{
    const std::string guide = BuiltUserGuidePath();
    const auto page = ReadFileText(guide);
    ASSERT_TRUE(page.has_value()) << guide;
    EXPECT_NE(page->find("<title>Corvane user guide</title>"), std::string::npos);

    const std::string folder = guide.substr(0, guide.rfind('\\'));
    static const std::regex kPicture(R"re(<img src="([^"]+)")re");
    int pictures = 0;
    for (std::sregex_iterator it(page->begin(), page->end(), kPicture), end; it != end; ++it) {
        std::string relative = (*it)[1];
        std::replace(relative.begin(), relative.end(), '/', '\\');
        EXPECT_TRUE(FileExists(folder + "\\" + relative)) << relative;
        ++pictures;
    }
    EXPECT_EQ(pictures, 3);
}

} // namespace
