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

} // namespace driver
