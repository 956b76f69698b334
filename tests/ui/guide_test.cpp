// The pictures of the user guide (docs/USER-GUIDE.md), taken from the real
// program on every test run: the main window after a few seconds, the tray
// popup and the About box. Each goes among the build folder's fresh pictures
// once it is a whole PNG; scripts/guide-pictures.sh puts those in docs/guide.
#include "tests/ui/driver/CorvaneTest.h"
#include "tests/ui/driver/ProgramTimers.h"

namespace {

using namespace driver;

std::string GuidePicture(const char* name)
{
    return WindowsPathFromUnix(CORVANE_GUIDE_PICTURES) + "\\" + name;
}

bool IsPng(const std::string& path)
{
    const auto picture = ReadFileText(path);
    return picture && picture->size() > 8 && picture->compare(0, 8, "\x89PNG\r\n\x1a\n") == 0;
}

// Takes the picture into the scratch folder, then among the fresh pictures.
void PictureForTheGuide(const std::string& scratchPicture, const char* name, bool taken)
{
    ASSERT_TRUE(taken) << name;
    ASSERT_TRUE(IsPng(scratchPicture)) << name;
    EXPECT_TRUE(CopyFileTo(scratchPicture, GuidePicture(name))) << name;
}

HWND FindAboutBox(const Program& program, HWND mainWindow)
{
    for (HWND window : program.TopLevelWindows()) {
        if (window != mainWindow && ::IsWindowVisible(window) && ClassOf(window) == "#32770" &&
            TextOf(window) == "Corvane" && ::GetDlgItem(window, 1001) == nullptr)
            return window;
    }
    return nullptr;
}

using GuidePictures = CorvaneTest;

TEST_F(GuidePictures, MainWindowTrayPopupAndAboutBox)
{
    Program* program = Start();
    ASSERT_NE(program, nullptr);
    HWND window = program->WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    // A few seconds on both clocks, as a user sees the window at first. The
    // program's own timers are stopped first: a label the picture catches while
    // its tick redraws it would show blank.
    ASSERT_TRUE(StopWindowTimers(window, { kStatsTimer, kSessionTimer }));
    for (int second = 0; second < 3; ++second) {
        SendTimer(window, kStatsTimer);
        SendTimer(window, kSessionTimer);
    }
    ::Sleep(500);
    const std::string mainPicture = Scratch().File("main-window.png");
    PictureForTheGuide(mainPicture, "main-window.png", TakeWindowScreenshot(window, mainPicture));

    ASSERT_TRUE(PlacePointer(300, 200));
    PostTrayMessage(window, WM_RBUTTONUP);
    HWND popup = WaitForPopupMenu(*program);
    ASSERT_NE(popup, nullptr);
    ::Sleep(300);
    RECT place;
    ASSERT_TRUE(::GetWindowRect(popup, &place));
    const std::string popupPicture = Scratch().File("tray-popup.png");
    PictureForTheGuide(popupPicture, "tray-popup.png", TakeScreenshot(popupPicture, &place));
    PostKey(popup, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(popup); }, 5000));

    PostCommand(window, 32776);
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = FindAboutBox(*program, window)) != nullptr; }, 5000));
    ::Sleep(300);
    const std::string aboutPicture = Scratch().File("about-box.png");
    PictureForTheGuide(aboutPicture, "about-box.png", TakeWindowScreenshot(about, aboutPicture));
    EXPECT_TRUE(CloseMessageBox(about, IDOK));
    EXPECT_TRUE(Responds(window));
}

} // namespace
