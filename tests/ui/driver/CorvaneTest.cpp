#include "tests/ui/driver/CorvaneTest.h"
#include <shlobj.h>

namespace driver {

namespace {

// C:\Program Files\Corvane tests: every protected copy's folder is in here.
std::string ProtectedRoot()
{
    char folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return std::string();
    return std::string(folder) + "\\Corvane tests";
}

} // namespace

void CorvaneTest::SetUp()
{
    CleanCorvaneRegistry();
    RemoveTask(CurrentUserTaskName());
    m_pScratch = std::make_unique<ScratchFolder>();
    m_strCorvaneExe = m_pScratch->InstallCorvane();
}

void CorvaneTest::TearDown()
{
    m_programs.clear();
    if (!m_strProtectedFolder.empty()) {
        EXPECT_TRUE(RemoveFolder(m_strProtectedFolder)) << m_strProtectedFolder;
        ::RemoveDirectoryA(ProtectedRoot().c_str());
    }
    CleanCorvaneRegistry();
    RemoveTask(CurrentUserTaskName());
}

std::string CorvaneTest::InstallProtectedCorvane()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    m_strProtectedFolder = ProtectedRoot() + "\\" + test->test_suite_name() + "." + test->name();
    // What a run that was cut short left there goes first.
    EXPECT_TRUE(RemoveFolder(m_strProtectedFolder));
    EXPECT_TRUE(MakeFolder(m_strProtectedFolder));
    return m_pScratch->InstallCorvane(false, m_strProtectedFolder);
}

Program* CorvaneTest::Start(const std::string& arguments, const std::string& workingFolder)
{
    return StartExe(m_strCorvaneExe, arguments, workingFolder);
}

Program* CorvaneTest::StartExe(const std::string& exePath, const std::string& arguments,
                               const std::string& workingFolder)
{
    std::unique_ptr<Program> program = Program::Start(exePath, arguments, workingFolder);
    if (program == nullptr)
        return nullptr;
    m_programs.push_back(std::move(program));
    return m_programs.back().get();
}

Program* CorvaneTest::WaitForOtherCopy(const std::string& exePath, DWORD timeoutMs)
{
    std::vector<DWORD> known;
    for (const std::unique_ptr<Program>& program : m_programs)
        known.push_back(program->Id());
    std::unique_ptr<Program> copy;
    WaitUntil([&] { return (copy = Program::FindOtherCopy(exePath, known)) != nullptr; }, timeoutMs);
    if (copy == nullptr) {
        ADD_FAILURE() << "no other copy of " << exePath << " after " << timeoutMs << " ms";
        return nullptr;
    }
    m_programs.push_back(std::move(copy));
    return m_programs.back().get();
}

} // namespace driver
