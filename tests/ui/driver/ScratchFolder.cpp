#include "tests/ui/driver/ScratchFolder.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include <gtest/gtest.h>

namespace driver {

namespace {

std::string CurrentTestName()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "no-test";
}

void CopyOrFail(const std::string& source, const std::string& target)
{
    EXPECT_TRUE(CopyFileTo(source, target)) << source << " -> " << target << " error " << ::GetLastError();
}

} // namespace

ScratchFolder::ScratchFolder(const std::string& name)
    : m_strPath(ScratchRoot() + "\\" + (name.empty() ? CurrentTestName() : name))
{
    EXPECT_TRUE(RemoveFolder(m_strPath)) << "cannot empty " << m_strPath;
    EXPECT_TRUE(MakeFolder(m_strPath)) << "cannot create " << m_strPath;
}

std::string ScratchFolder::MakeSubfolder(const std::string& name) const
{
    const std::string path = File(name);
    EXPECT_TRUE(MakeFolder(path)) << "cannot create " << path;
    return path;
}

std::string ScratchFolder::InstallCorvane(bool withUpdater, const std::string& folder) const
{
    const std::string target = folder.empty() ? m_strPath : folder;
    CopyOrFail(BuiltCorvanePath(), target + "\\Corvane.exe");
    CopyOrFail(BuiltSkinPath(), target + "\\skin.smf");
    CopyOrFail(BuiltUserGuidePath(), target + "\\USER-GUIDE.html");
    if (withUpdater)
        InstallStandIn("UpdateApp.exe", target);
    return target + "\\Corvane.exe";
}

std::string ScratchFolder::InstallStandIn(const std::string& name, const std::string& folder) const
{
    const std::string target = (folder.empty() ? m_strPath : folder) + "\\" + name;
    CopyOrFail(StandInPath(name), target);
    return target;
}

} // namespace driver
