#pragma once
#include "tests/ui/driver/Controls.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/LogonTasks.h"
#include "tests/ui/driver/MainWindowIds.h"
#include "tests/ui/driver/Menus.h"
#include "tests/ui/driver/MessageBoxes.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Program.h"
#include "tests/ui/driver/Registry.h"
#include "tests/ui/driver/ScratchFolder.h"
#include "tests/ui/driver/Screenshot.h"
#include "tests/ui/driver/StandIns.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace driver {

// The fixture of a black-box test: before each test the registry places
// Corvane uses and the current user's logon task are cleaned and a fresh
// scratch folder holds Corvane.exe, skin.smf, the user guide and the updater
// stand-in; after it every program the test started is ended, a protected
// copy removed, and the registry and the task cleaned again.
class CorvaneTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ScratchFolder& Scratch() { return *m_pScratch; }
    // The Corvane.exe in the scratch folder.
    const std::string& CorvaneExe() const { return m_strCorvaneExe; }
    // The updater stand-in beside it.
    std::string UpdaterBesideCorvane() const { return m_pScratch->File("UpdateApp.exe"); }

    // Starts the scratch folder's Corvane.exe (or exePath) with arguments, from
    // workingFolder (the exe's folder when empty). Null when it cannot start.
    Program* Start(const std::string& arguments = std::string(), const std::string& workingFolder = std::string());
    Program* StartExe(const std::string& exePath, const std::string& arguments = std::string(),
                      const std::string& workingFolder = std::string());
    // Another copy of exePath that a started one started itself, once it
    // runs; ended with the test like the others. Null, and a test failure,
    // when none runs within timeoutMs.
    Program* WaitForOtherCopy(const std::string& exePath, DWORD timeoutMs = 10000);
    // Corvane.exe, skin.smf and the user guide in a folder of the test's own
    // inside the 64-bit Program Files folder, where a program counts as
    // protected; the folder goes with the test. No updater stand-in: the copy
    // would start one that might still be running when the folder goes. The
    // copy's Corvane.exe.
    std::string InstallProtectedCorvane();

private:
    std::unique_ptr<ScratchFolder> m_pScratch;
    std::string m_strCorvaneExe;
    std::vector<std::unique_ptr<Program>> m_programs;
    std::string m_strProtectedFolder;
};

} // namespace driver
