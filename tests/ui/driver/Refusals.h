#pragma once
#include <string>
#include <vector>

// Places made to refuse the program's writes for the life of an object, as
// an administrator could make them: the product key, and files and folders.
namespace driver {

// The product key made read-only: readable, but refused to every writer
// (RegCreateKeyExA with KEY_ALL_ACCESS fails with 5), until the object goes.
// The key is created first, with a REG_SZ value "Marker" of "kept".
class ReadOnlyProductKey {
public:
    ReadOnlyProductKey();
    ~ReadOnlyProductKey();
    ReadOnlyProductKey(const ReadOnlyProductKey&) = delete;
    ReadOnlyProductKey& operator=(const ReadOnlyProductKey&) = delete;
    bool Applied() const { return m_bApplied; }

private:
    bool m_bApplied = false;
};

// Files and folders made immutable with chattr +i (refused even to root),
// and made mutable again when the object goes.
class ImmutablePaths {
public:
    // Windows paths on drive Z:.
    explicit ImmutablePaths(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
    ~ImmutablePaths();
    ImmutablePaths(const ImmutablePaths&) = delete;
    ImmutablePaths& operator=(const ImmutablePaths&) = delete;

    // True once every path is immutable and a new file cannot be made in the
    // first one (a folder); false where the file system or the rights do not
    // allow it.
    bool Lock();

private:
    std::string Targets() const;

    std::vector<std::string> m_paths;
    bool m_bLocked = false;
};

// Takes the immutable flag off a folder and everything in it, as a killed
// earlier run may have left them.
void UnlockTree(const std::string& folder);

} // namespace driver
