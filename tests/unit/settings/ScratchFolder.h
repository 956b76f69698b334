#pragma once
#include <string>

// A folder of its own under the temporary folder for one test, removed with
// everything in it when the test ends.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // `name` inside the folder.
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// The helpers below take full paths of any length (they go through "\\?\"),
// so a test can lay out files beyond MAX_PATH.
bool CreateFolder(const std::string& path);
// A file's bytes exactly as they are (CR LF stays CR LF), or "<missing>".
std::string ReadFileBytes(const std::string& path);
// False when the file cannot be created.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Every file under a folder, one path relative to it a line, sorted.
std::string ListFiles(const std::string& path);
