#pragma once
#include "framework/WinApp.h"

// The application: prepares the common controls, the framework and the skin,
// then runs the main window modally. The modal dialog's loop is the program's
// only message loop.
class CMorvishApp : public CWinApp {
public:
    ~CMorvishApp() override = default;
    BOOL InitInstance() override;
    int ExitInstance() override;
};
