#include "tests/ui/driver/CorvaneTest.h"

namespace driver {

void CorvaneTest::SetUp()
{
    CleanCorvaneRegistry();
    m_pScratch = std::make_unique<ScratchFolder>();
    m_strCorvaneExe = m_pScratch->InstallCorvane();
}

void CorvaneTest::TearDown()
{
    m_programs.clear();
    CleanCorvaneRegistry();
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

Program* CorvaneTest::WaitForOtherCopy(DWORD timeoutMs)
{
    std::vector<DWORD> known;
    for (const std::unique_ptr<Program>& program : m_programs)
        known.push_back(program->Id());
    std::unique_ptr<Program> copy;
    WaitUntil([&] { return (copy = Program::FindOtherCopy(m_strCorvaneExe, known)) != nullptr; }, timeoutMs);
    if (copy == nullptr) {
        ADD_FAILURE() << "no other copy of " << m_strCorvaneExe << " after " << timeoutMs << " ms";
        return nullptr;
    }
    m_programs.push_back(std::move(copy));
    return m_programs.back().get();
}

} // namespace driver
