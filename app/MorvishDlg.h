#pragma once
#include "controls/ButtonST.h"
#include "controls/TransparentStatic.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "tray/SystemTray.h"
#include "net/IfTable.h"
#include "net/InterfacePositions.h"
#include <string>

// The main window: the program's one real window and the owner of every live
// object (buttons, labels, clocks, the interface table). Its members are the
// shared state of settings, statistics and acceleration, all used on the
// user-interface thread only.
class CMorvishDlg : public CDialog {
public:
    explicit CMorvishDlg(CWnd* parent = nullptr);
    ~CMorvishDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnTimer(UINT_PTR id);
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnAbout();

    // Commands and menus.
    void SetButtonTooltips();
    void OnMinimize();
    void OnQuit();
    void OnWebLink(UINT id);
    void OnHelpPage();
    // The one message box when the desktop's shell could not start what the
    // user asked for; notStarted says what ("The web page could not be opened").
    void ExplainShellNotRunning(const char* notStarted);
    virtual void OnInitMenuPopup(HMENU popup, UINT index, bool isSystemMenu);

    // The Zendry client and the start-with-Windows entry. The Run button's
    // press, and the start-up launch when AutoRun is set, which shows the
    // same messages save one: a shell not running yet at start-up is no news.
    void OnRunClient();
    void RunClient(bool pressed);
    void OnRunAtStartup();
    void OnUpdateRunAtStartup(CCmdUI* cmdUI);

    // The tray icon's mouse notifications.
    LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);

    // Acceleration: the toggle, the session clock and the socket library.
    void OnAccelerate();
    // Starts a session and shows it running: 0. Or shows the refused start
    // stopped and returns the platform's error code.
    int StartSession();
    // Ends the session, if one runs, and shows it stopped.
    void StopSession();
    // The toggle's usual tooltip, or (for a nonzero error) why starts are refused.
    void ShowToggleTooltip(int refusedError);
    // The message box after a refused press of the toggle.
    void ExplainRefusedStart(int error);
    void TickSessionClock();
    void StartSocketLibrary();

    // The product key: the stored numbers and unit, and the two flags of
    // the tray menu.
    void ReadAutoResumeDownloads();
    int LoadRegistrySettings();
    void SaveRegistrySettings();
    void ReadRunOtherApp();
    void OnAutoResumeDownloads();
    void OnUpdateAutoResumeDownloads(CCmdUI* cmdUI);
    void OnAutoRunClient();
    void OnUpdateAutoRunClient(CCmdUI* cmdUI);

    // The interface box and the statistics panel.
    void LoadInterfaces();
    void OnSelchangeNetwork();
    void RefreshStatistics();
    void TickWindowClock();
    void TakeCountersOf(int position);

    // Initialisation steps of the window itself.
    void AddAboutToSystemMenu();
    void StartUpdater();

    // Members, in declaration order: construction runs in this order and
    // destruction in reverse.
    HICON m_hIcon = nullptr;
    bool m_bAutoResumeDownloads = false;
    bool m_bRunAtStartup = false;
    CComboBox m_cboCheckPeriodUnit;
    CEdit m_edtCheckPeriod;
    CEdit m_edtAccelerateFirst;
    CSystemTray m_TrayIcon;
    CButtonST m_btnQuit;
    CButtonST m_btnMinimize;
    CButtonST m_btnAccelerate;
    std::string m_strInterfaceInfo;
    std::string m_strBytesReceived;
    std::string m_strBytesSent;
    std::string m_strDuration;
    std::string m_strStatus;
    CButtonST m_btnRunClient;
    std::string m_strType;
    bool m_bRunOtherApp = false;
    std::string m_strCheckPeriod;
    std::string m_strAccelerateFirst;
    CTransparentStatic m_lblDuration;
    CTransparentStatic m_lblBytesSent;
    CTransparentStatic m_lblBytesReceived;
    CTransparentStatic m_lblType;
    CTransparentStatic m_lblStatus;
    std::string m_strDurationAcc = " 0 hrs :  0 mins :  0 secs";
    int m_nAccSeconds = 0;
    int m_nAccMinutes = 0;
    int m_nAccHours = 0;
    int m_nDurHours = 0;
    int m_nDurMinutes = 0;
    int m_nDurSeconds = 0;
    // The interface table, an object that owns its buffer and knows its
    // capacity, and the map from positions of the interface box to
    // interfaces. Their names keep the p and a of the pointer and the array
    // that every part reading the table knows them by.
    CIfTable m_pIfTable;
    CComboBox m_cboNetwork;
    int m_nNetwork = 0;
    CInterfacePositions m_aIfIndex;

    DECLARE_MESSAGE_MAP()
};

// Timer ids of the main window; both tick once a second.
constexpr UINT_PTR StatsTimer = 1;
constexpr UINT_PTR SessionTimer = 2;
constexpr UINT kTimerPeriodMs = 1000;
