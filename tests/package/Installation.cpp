#include "tests/package/Installation.h"
#include "tests/ui/driver/Files.h"
#include "tests/ui/driver/Paths.h"
#include "tests/ui/driver/Program.h"
#include "tests/ui/driver/Registry.h"
#include <shlobj.h>
#include <fstream>

namespace installation {

namespace {

std::string KnownFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

} // namespace

std::string InstallFolder()
{
    return KnownFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Corvane";
}

std::string ShortcutPath()
{
    return KnownFolder(CSIDL_PROGRAMS) + "\\Corvane.lnk";
}

std::string ProgramFilesFolder()
{
    return KnownFolder(CSIDL_PROGRAM_FILES) + "\\Corvane";
}

std::string ProgramFilesX86Folder()
{
    return KnownFolder(CSIDL_PROGRAM_FILESX86) + "\\Corvane";
}

std::string CommonShortcutPath()
{
    return KnownFolder(CSIDL_COMMON_PROGRAMS) + "\\Corvane.lnk";
}

std::optional<std::string> ShortcutTarget(const std::string& shortcut)
{
    std::optional<std::string> target;
    const HRESULT com = ::CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            const std::wstring path(shortcut.begin(), shortcut.end());
            char program[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))
                && link->GetPath(program, MAX_PATH, nullptr, SLGP_RAWPATH) == S_OK)
                target = program;
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return target;
}

std::optional<WORD> ImageMachine(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    IMAGE_DOS_HEADER dos = {};
    if (!file.read(reinterpret_cast<char*>(&dos), sizeof dos) || dos.e_magic != IMAGE_DOS_SIGNATURE)
        return std::nullopt;
    DWORD signature = 0;
    IMAGE_FILE_HEADER header = {};
    file.seekg(dos.e_lfanew);
    if (!file.read(reinterpret_cast<char*>(&signature), sizeof signature) || signature != IMAGE_NT_SIGNATURE
        || !file.read(reinterpret_cast<char*>(&header), sizeof header))
        return std::nullopt;
    return header.Machine;
}

std::string Installer()
{
    return driver::WindowsPathFromUnix(CORVANE_TEST_INSTALLERS "/corvane-setup.exe");
}

std::string AllUsersInstaller()
{
    return driver::WindowsPathFromUnix(CORVANE_TEST_INSTALLERS "/corvane-setup-allusers.exe");
}

bool On64BitWindows()
{
    // The native system's, which a 32-bit program on 64-bit Windows is told too.
    SYSTEM_INFO system = {};
    ::GetNativeSystemInfo(&system);
    return system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
}

CorvaneBuild CorvaneForThisWindows()
{
    if (On64BitWindows())
        return { driver::WindowsPathFromUnix(CORVANE_X86_64_EXE_PATH), IMAGE_FILE_MACHINE_AMD64 };
    return { driver::WindowsPathFromUnix(CORVANE_I686_EXE_PATH), IMAGE_FILE_MACHINE_I386 };
}

std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments)
{
    std::unique_ptr<driver::Program> program = driver::Program::Start(exe, arguments);
    if (!program || !program->WaitForExit(60000))
        return std::nullopt;
    return program->ExitCode();
}

std::optional<DWORD> UninstallSilently(const std::string& scratchFolder, HKEY root)
{
    std::string uninstaller = driver::ReadString(root, kUninstallKey, "UninstallString").value_or("");
    if (uninstaller.size() > 2 && uninstaller.front() == '"' && uninstaller.back() == '"')
        uninstaller = uninstaller.substr(1, uninstaller.size() - 2);
    const std::string copy = scratchFolder + "\\Uninstall.exe";
    if (!driver::CopyFileTo(uninstaller, copy))
        return std::nullopt;
    const std::string folder = uninstaller.substr(0, uninstaller.find_last_of('\\'));
    // "_?=" runs the uninstaller where it is, for that folder, and must come last.
    return RunToEnd(copy, "/S _?=" + folder);
}

unsigned long long FolderBytes(const std::string& folder)
{
    unsigned long long bytes = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            bytes += FolderBytes(folder + "\\" + name);
        else
            bytes += (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return bytes;
}

} // namespace installation
