#include "tests/ui/driver/Refusals.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Registry.h"
#include "tests/ui/driver/UnixShell.h"
#include <windows.h>
#include <sddl.h>
#include <gtest/gtest.h>

namespace driver {

namespace {

bool ApplyToProductKey(const char* sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    HKEY key = nullptr;
    LONG result = ::RegOpenKeyExA(HKEY_CURRENT_USER, kProductKey, 0, WRITE_DAC, &key);
    if (result == ERROR_SUCCESS) {
        result = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
        ::RegCloseKey(key);
    }
    ::LocalFree(descriptor);
    return result == ERROR_SUCCESS;
}

std::string Quoted(const std::string& windowsPath)
{
    return "'" + UnixPathFromWindows(windowsPath) + "'";
}

} // namespace

// Everyone may read, change the DACL and delete; nobody may write. Under Wine
// a KEY_READ override of HKEY_CURRENT_USER alone does not block writes.
ReadOnlyProductKey::ReadOnlyProductKey()
{
    m_bApplied = WriteString(HKEY_CURRENT_USER, kProductKey, "Marker", "kept")
        && ApplyToProductKey("D:P(A;;0x70019;;;WD)");
}

ReadOnlyProductKey::~ReadOnlyProductKey()
{
    ApplyToProductKey("D:(A;;KA;;;WD)");
}

bool ImmutablePaths::Lock()
{
    m_bLocked = true;
    if (m_paths.empty() || RunShell("chattr +i " + Targets()) != std::optional<int>(0))
        return false;
    const std::string probe = m_paths.front() + "\\probe";
    if (!WriteFileText(probe, "x"))
        return true;
    ::DeleteFileA(probe.c_str());
    return false;
}

ImmutablePaths::~ImmutablePaths()
{
    if (m_bLocked) {
        EXPECT_EQ(RunShell("chattr -i " + Targets()), std::optional<int>(0)) << "still immutable: " << Targets();
    }
}

std::string ImmutablePaths::Targets() const
{
    std::string targets;
    for (const std::string& path : m_paths)
        targets += (targets.empty() ? "" : " ") + Quoted(path);
    return targets;
}

void UnlockTree(const std::string& folder)
{
    RunShell("chattr -R -i " + Quoted(folder) + " 2>/dev/null");
}

} // namespace driver
