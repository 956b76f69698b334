#pragma once
#include <string>

// A test's own empty folder under the build tree, made afresh each time (what
// the previous run left there is removed first, so it can be looked at after a
// failure). Programs under test are copied in and started from here.
namespace driver {

class ScratchFolder {
public:
    // <scratch root>\<name>; an empty name uses the running test's
    // "Suite.Test" name.
    explicit ScratchFolder(const std::string& name = std::string());

    const std::string& Path() const { return m_strPath; }
    // The path of a file or folder inside this one.
    std::string File(const std::string& name) const { return m_strPath + "\\" + name; }
    // Creates a folder inside this one and returns its path.
    std::string MakeSubfolder(const std::string& name) const;

    // Corvane.exe, skin.smf and USER-GUIDE.html as the build installs them, and the updater
    // stand-in beside them unless withUpdater is false, into folder (this
    // folder when empty). Returns the path of the copied Corvane.exe.
    std::string InstallCorvane(bool withUpdater = true, const std::string& folder = std::string()) const;
    // Copies stand-in `name` ("UpdateApp.exe", "Zendry.exe") into folder (this
    // folder when empty) and returns its path there.
    std::string InstallStandIn(const std::string& name, const std::string& folder = std::string()) const;

private:
    std::string m_strPath;
};

} // namespace driver
