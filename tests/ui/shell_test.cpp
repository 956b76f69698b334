// Black-box tests of a shell restart: Wine's taskbar ended under the running
// Corvane.exe, and a new taskbar that, like Wine's explorer, announces itself
// with no "TaskbarCreated"; and of the programs an elevated Corvane cannot
// start while the desktop's shell is gone.
//
// Under Wine 8 the explorer that provides the taskbar cannot be started again
// while the desktop it served lives: a second "explorer /desktop" finds the
// desktop window taken and ends at once. The new taskbar is therefore one of
// the test's own: a window of the shell's class that takes the icon records
// the platform's Shell_NotifyIcon sends it, keeps what it was given, and
// answers as a shell does: it refuses to add an icon it holds, and accepts a
// modify or a delete only of one it holds.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/TrayIcons.h"
#include <shellapi.h>
#include <tlhelp32.h>
#include <atomic>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace driver;

constexpr const char* kTaskbarClass = "Shell_TrayWnd";

std::string ProcessName(DWORD processId)
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    std::string name;
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == processId)
            name = entry.szExeFile;
    }
    ::CloseHandle(snapshot);
    return name;
}

// One icon record as the taskbar received it. The platform's record starts
// with the owner window (32 bits), the icon id, the flags and the callback
// message; the tooltip travels further on as UTF-16.
struct IconRecord {
    DWORD command = 0;
    LONG owner = 0;
    UINT id = 0;
    UINT flags = 0;
    UINT callback = 0;
    std::vector<unsigned char> bytes;

    bool CarriesTip(const char* tip) const
    {
        std::vector<unsigned char> wide;
        for (const char* c = tip; *c != '\0'; ++c) {
            wide.push_back(static_cast<unsigned char>(*c));
            wide.push_back(0);
        }
        wide.insert(wide.end(), { 0, 0 });
        for (size_t at = 0; at + wide.size() <= bytes.size(); at += 2) {
            if (std::memcmp(&bytes[at], wide.data(), wide.size()) == 0)
                return true;
        }
        return false;
    }
};

// The taskbar of the test's own, on a thread with a message loop of its own:
// Shell_NotifyIcon sends its records and waits for the answer.
class StandInTaskbar {
public:
    StandInTaskbar()
    {
        m_thread = std::thread([this] { Run(); });
        WaitUntil([this] { return Window() != nullptr || m_bFailed; }, 5000);
    }

    ~StandInTaskbar()
    {
        if (HWND window = Window())
            ::PostMessageA(window, WM_CLOSE, 0, 0);
        m_thread.join();
    }

    StandInTaskbar(const StandInTaskbar&) = delete;
    StandInTaskbar& operator=(const StandInTaskbar&) = delete;

    HWND Window() const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_hWnd;
    }

    bool Holds(HWND owner) const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_held.count(static_cast<LONG>(reinterpret_cast<LONG_PTR>(owner))) != 0;
    }

    std::vector<IconRecord> RecordsFor(HWND owner, DWORD command) const
    {
        std::lock_guard<std::mutex> lock(m_lock);
        std::vector<IconRecord> found;
        for (const IconRecord& record : m_records) {
            if (record.command == command && record.owner == static_cast<LONG>(reinterpret_cast<LONG_PTR>(owner))
                && record.id == kTrayIconId)
                found.push_back(record);
        }
        return found;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<StandInTaskbar*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (message == WM_COPYDATA && self != nullptr) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            IconRecord record;
            record.command = static_cast<DWORD>(data->dwData);
            const auto* bytes = static_cast<const unsigned char*>(data->lpData);
            record.bytes.assign(bytes, bytes + data->cbData);
            if (data->cbData >= 16) {
                std::memcpy(&record.owner, bytes, 4);
                std::memcpy(&record.id, bytes + 4, 4);
                std::memcpy(&record.flags, bytes + 8, 4);
                std::memcpy(&record.callback, bytes + 12, 4);
            }
            std::lock_guard<std::mutex> lock(self->m_lock);
            self->m_records.push_back(record);
            if (record.id != kTrayIconId)
                return FALSE;
            switch (record.command) {
            case NIM_ADD:
                return self->m_held.insert(record.owner).second ? TRUE : FALSE;
            case NIM_MODIFY:
                return self->m_held.count(record.owner) != 0 ? TRUE : FALSE;
            case NIM_DELETE:
                return self->m_held.erase(record.owner) != 0 ? TRUE : FALSE;
            default:
                return FALSE;
            }
        }
        if (message == WM_CLOSE) {
            ::DestroyWindow(window);
            return 0;
        }
        if (message == WM_DESTROY)
            ::PostQuitMessage(0);
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    void Run()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = &Procedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kTaskbarClass;
        HWND window = nullptr;
        // A second taskbar of the same test finds the class registered.
        if (::RegisterClassA(&windowClass) || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS)
            window = ::CreateWindowExA(WS_EX_TOOLWINDOW, kTaskbarClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                       windowClass.hInstance, nullptr);
        if (window == nullptr) {
            m_bFailed = true;
            return;
        }
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_hWnd = window;
        }
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
            ::DispatchMessageA(&msg);
        std::lock_guard<std::mutex> lock(m_lock);
        m_hWnd = nullptr;
    }

    mutable std::mutex m_lock;
    HWND m_hWnd = nullptr;
    std::vector<IconRecord> m_records;
    std::set<LONG> m_held; // owners of the icons it holds, all with the program's id
    std::atomic<bool> m_bFailed{ false };
    std::thread m_thread;
};

// Ends Wine's explorer, which provides the taskbar of the test's desktop:
// that ends the taskbar, and leaves the desktop and the programs' windows.
void EndWinesTaskbar()
{
    HWND wineTaskbar = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (wineTaskbar = ::FindWindowA(kTaskbarClass, nullptr)) != nullptr; }, 5000));
    DWORD explorerId = 0;
    ::GetWindowThreadProcessId(wineTaskbar, &explorerId);
    ASSERT_EQ(ProcessName(explorerId), "explorer.exe");
    HANDLE explorer = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, explorerId);
    ASSERT_NE(explorer, nullptr);
    ASSERT_TRUE(::TerminateProcess(explorer, 1));
    EXPECT_EQ(::WaitForSingleObject(explorer, 10000), WAIT_OBJECT_0);
    ::CloseHandle(explorer);
    ASSERT_TRUE(WaitUntil([] { return ::FindWindowA(kTaskbarClass, nullptr) == nullptr; }, 5000));
}

using ShellTest = CorvaneTest;

// Both cases in one test: Wine starts no new explorer for a desktop whose
// explorer was ended while it lives.
TEST_F(ShellTest, TheIconGoesToTaskbarsThatComeLaterWithoutAnnouncingThemselves)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return ShellShowsIcon(window, kTrayIconId); }, 5000));
    ASSERT_NO_FATAL_FAILURE(EndWinesTaskbar());

    {
        SCOPED_TRACE("the taskbar restarted under the running program");
        // Two periods of the program's watch with no taskbar at all.
        ::Sleep(2500);
        SendTimer(window, kStatsTimer);
        EXPECT_TRUE(Responds(window));
        EXPECT_TRUE(::IsWindowVisible(window));

        StandInTaskbar taskbar;
        ASSERT_NE(taskbar.Window(), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return taskbar.Holds(window); }, 5000))
            << "the icon did not come back to the new taskbar";
        const IconRecord added = taskbar.RecordsFor(window, NIM_ADD).front();
        EXPECT_EQ(added.flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(added.callback, kTrayNotifyMessage);
        EXPECT_TRUE(added.CarriesTip("Corvane"));

        // Taken once, it is not offered again; at the end it is taken away
        // from the taskbar that holds it.
        ::Sleep(2500);
        EXPECT_EQ(taskbar.RecordsFor(window, NIM_ADD).size(), 1u);
        PostButtonPress(window, kQuit);
        ASSERT_TRUE(program->WaitForExit(10000));
        EXPECT_EQ(program->ExitCode(), std::optional<DWORD>(0));
        EXPECT_EQ(taskbar.RecordsFor(window, NIM_DELETE).size(), 1u);
        EXPECT_FALSE(taskbar.Holds(window));
    }

    SCOPED_TRACE("started before the shell has a taskbar, as from the Run key at logon");
    ASSERT_EQ(::FindWindowA(kTaskbarClass, nullptr), nullptr);
    program = Start("-tray");
    ASSERT_NE(program, nullptr);
    window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    // Two periods of the watch with no taskbar.
    ::Sleep(2500);
    EXPECT_TRUE(Responds(window));

    StandInTaskbar taskbar;
    ASSERT_NE(taskbar.Window(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return taskbar.Holds(window); }, 5000)) << "the icon never came to the taskbar";
    const IconRecord added = taskbar.RecordsFor(window, NIM_ADD).back();
    EXPECT_EQ(added.callback, kTrayNotifyMessage);
    EXPECT_TRUE(added.CarriesTip("Corvane"));

    // A double click on it: the taskbar sends what the icon asked for, and
    // the window comes to the front. (Hiding it first cannot be shown here:
    // under Wine a window hidden into the tray after the desktop's explorer
    // ended goes with its desktop.)
    ::SetForegroundWindow(::GetDesktopWindow());
    ::SendMessageA(reinterpret_cast<HWND>(static_cast<LONG_PTR>(added.owner)), added.callback, added.id,
                   WM_LBUTTONDBLCLK);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == window; }, 5000));
    EXPECT_TRUE(program->IsRunning());
}

// Wine's explorer ended, under a running Corvane and before another starts,
// as at logon before the shell: every process is elevated under Wine, so
// Corvane has the desktop's shell start programs, and with none it starts
// nothing itself. A press says why; at start-up the updater and the client
// of AutoRun are skipped without a word.
TEST_F(ShellTest, WithTheShellGoneNothingIsStartedAndAPressSaysWhy)
{
    const std::string folder = Scratch().MakeSubfolder("Zendry Client");
    const std::string zendry = Scratch().InstallStandIn("Zendry.exe", folder);
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, kClientKey, kClientPathValue, folder));
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kProductKey, "RunOtherApp", 1));
    // Two starts through the shell while it runs, the second through the
    // shell as the first found it.
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(WaitForStandInRuns(UpdaterBesideCorvane(), 1).size(), 1u);
    ASSERT_EQ(WaitForStandInRuns(zendry, 1).size(), 1u);
    ASSERT_NO_FATAL_FAILURE(EndWinesTaskbar());

    const std::string why = " because the Windows shell is not running.\n\nCorvane runs with administrator rights, so "
                            "it has the shell start other programs with your ordinary rights.";
    const struct {
        const char* press;
        int command;
        std::string message;
    } presses[] = { { "Run Zendry", kRunClient, "Zendry could not be started" + why },
                    { "Help", 32793, "The user guide could not be opened" + why } };
    for (const auto& press : presses) {
        SCOPED_TRACE(press.press);
        PostCommand(window, press.command);
        HWND box = WaitForMessageBox(*program, 5000);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), press.message);
        EXPECT_EQ(TextOf(box), "Corvane");
        EXPECT_NE(::GetDlgItem(box, IDOK), nullptr);
        EXPECT_EQ(::GetDlgItem(box, IDCANCEL), nullptr);
        ASSERT_TRUE(CloseMessageBox(box));
        EXPECT_TRUE(WaitUntil([&] { return FindMessageBox(*program) == nullptr; }, 5000));
    }
    EXPECT_TRUE(Responds(window));

    SCOPED_TRACE("started with no shell");
    program = Start();
    ASSERT_NE(program, nullptr);
    window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindMessageBox(*program), nullptr) << MessageBoxText(FindMessageBox(*program));
    EXPECT_TRUE(Responds(window));
    EXPECT_EQ(ReadStandInRuns(UpdaterBesideCorvane()).size(), 1u);
    EXPECT_EQ(ReadStandInRuns(zendry).size(), 1u);
}

} // namespace
