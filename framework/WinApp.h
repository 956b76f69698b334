#pragma once
#include "framework/CmdTarget.h"
#include <string>

class CWnd;

// The program's one application object. The framework's WinMain runs
// InitInstance, then the message loop when InitInstance asks for one, then
// ExitInstance, whose result is the process's exit code.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    int Run();

    // Names the registry key under which the framework would keep its own
    // profile settings.
    void SetRegistryKey(const char* key) { m_strRegistryKey = key; }

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::string m_strAppName;     // the executable's file name without its extension
    std::string m_strRegistryKey;
    std::string m_strHelpFile;    // opened by the Help command (F1); none: F1 does nothing

protected:
    void OnHelp();
    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// A message box owned by the main window, captioned with the application's name.
int AfxMessageBox(const char* text, UINT type = MB_OK);

// "C:\\dir\\Corvane.exe" -> "Corvane"; a name without an extension stays whole.
std::string ApplicationNameFromPath(const std::string& path);

constexpr UINT ID_HELP = 0xE146;
