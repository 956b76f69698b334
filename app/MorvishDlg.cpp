#include "app/MorvishDlg.h"
#include "app/AboutDlg.h"
#include "app/Updater.h"
#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "net/LocalAddresses.h"
#include "res/ProductInfo.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMorvishDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_CTLCOLOR()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(TRAY_NOTIFY_MSG, OnTrayNotification)
    ON_COMMAND(ID_ABOUT, OnAbout)
    ON_COMMAND(IDCANCEL, OnMinimize)
    ON_COMMAND(IDC_QUIT, OnQuit)
    ON_COMMAND(ID_EXIT, OnQuit)
    ON_COMMAND_WITH_ID(ID_LINK_SAFETY, OnWebLink)
    ON_COMMAND_WITH_ID(ID_LINK_FILE_SHARING, OnWebLink)
    ON_COMMAND_WITH_ID(ID_LINK_MUSIC, OnWebLink)
    ON_COMMAND_WITH_ID(ID_LINK_TORRENTS, OnWebLink)
    ON_COMMAND_WITH_ID(ID_LINK_MEDIA, OnWebLink)
    ON_COMMAND(ID_LINK_HELP, OnHelpPage)
    ON_COMMAND(ID_HELP, OnHelpPage)
    ON_WM_INITMENUPOPUP()
    ON_BN_CLICKED(IDC_RUN_CLIENT, OnRunClient)
    ON_COMMAND(ID_RUN_AT_STARTUP, OnRunAtStartup)
    ON_UPDATE_COMMAND_UI(ID_RUN_AT_STARTUP, OnUpdateRunAtStartup)
    ON_BN_CLICKED(IDC_ACCELERATE, OnAccelerate)
    ON_CBN_SELCHANGE(IDC_NETWORK, OnSelchangeNetwork)
    ON_COMMAND(ID_AUTO_RESUME_DOWNLOADS, OnAutoResumeDownloads)
    ON_UPDATE_COMMAND_UI(ID_AUTO_RESUME_DOWNLOADS, OnUpdateAutoResumeDownloads)
    ON_COMMAND(ID_AUTO_RUN_CLIENT, OnAutoRunClient)
    ON_UPDATE_COMMAND_UI(ID_AUTO_RUN_CLIENT, OnUpdateAutoRunClient)
END_MESSAGE_MAP()

CMorvishDlg::CMorvishDlg(CWnd* parent) : CDialog(IDD_CORVANE_DIALOG, parent)
{
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ReadAutoResumeDownloads();
}

CMorvishDlg::~CMorvishDlg() = default;

void CMorvishDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_CHECK_PERIOD_UNIT, m_cboCheckPeriodUnit);
    DDX_Control(dx, IDC_CHECK_PERIOD, m_edtCheckPeriod);
    DDX_Control(dx, IDC_ACCELERATE_FIRST, m_edtAccelerateFirst);
    DDX_Control(dx, IDCANCEL, m_btnMinimize);
    DDX_Control(dx, IDC_ACCELERATE, m_btnAccelerate);
    DDX_Control(dx, IDC_QUIT, m_btnQuit);
    DDX_Text(dx, IDC_BYTES_RECEIVED, m_strBytesReceived);
    DDX_Text(dx, IDC_BYTES_SENT, m_strBytesSent);
    DDX_Text(dx, IDC_DURATION, m_strDuration);
    DDX_Text(dx, IDC_STATUS, m_strStatus);
    DDX_Control(dx, IDC_RUN_CLIENT, m_btnRunClient);
    DDX_Text(dx, IDC_TYPE, m_strType);
    DDX_Text(dx, IDC_CHECK_PERIOD, m_strCheckPeriod);
    DDX_Text(dx, IDC_ACCELERATE_FIRST, m_strAccelerateFirst);
    DDX_Control(dx, IDC_DURATION, m_lblDuration);
    DDX_Control(dx, IDC_BYTES_SENT, m_lblBytesSent);
    DDX_Control(dx, IDC_BYTES_RECEIVED, m_lblBytesReceived);
    DDX_Control(dx, IDC_TYPE, m_lblType);
    DDX_Control(dx, IDC_STATUS, m_lblStatus);
    DDX_Text(dx, IDC_DURATION_ACC, m_strDurationAcc);
    DDX_Control(dx, IDC_NETWORK, m_cboNetwork);
}

BOOL CMorvishDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    LoadRegistrySettings();
    LoadInterfaces();
    StartUpdater();
    SetTimer(StatsTimer, kTimerPeriodMs);
    CenterWindow();
    m_TrayIcon.CreateTrayIcon(this, TRAY_NOTIFY_MSG, kProductName, m_hIcon, IDR_TRAYMENU, FALSE);
    SetButtonTooltips();
    // A client that cannot be started reports it here, before the window shows.
    ReadRunOtherApp();
    if (m_bRunOtherApp)
        RunClient(false);
    StartSocketLibrary();
    g_nLocalAddrs = GetLocalAddresses(g_LocalAddrs, kMaxLocalAddrs);
    // The window opens accelerating when the platform allows it. A refusal
    // shows only in the toggle: no message at start-up or at logon.
    StartSession();
    // Returning TRUE lets the dialog manager focus the first control that takes it.
    return TRUE;
}

void CMorvishDlg::AddAboutToSystemMenu()
{
    HMENU systemMenu = GetSystemMenu(FALSE);
    char about[256] = {};
    if (systemMenu == nullptr || ::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, about, sizeof about) <= 0)
        return;
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
}

void CMorvishDlg::StartUpdater()
{
    LaunchUpdater();
}

void CMorvishDlg::OnTimer(UINT_PTR id)
{
    // Any id other than the window's two timers does nothing.
    switch (id) {
    case StatsTimer:
        RefreshStatistics();
        break;
    case SessionTimer:
        TickSessionClock();
        break;
    default:
        break;
    }
}

HBRUSH CMorvishDlg::OnCtlColor(HDC dc, HWND control, UINT kind)
{
    if (kind != CTLCOLOR_STATIC)
        return reinterpret_cast<HBRUSH>(Default());
    // Labels, group boxes and lines draw on the skinned background.
    ::SetBkMode(dc, TRANSPARENT);
    // The session clock is a plain label that repaints only itself when its
    // text changes: it fills with the dialog's own background, or every old
    // text would stay visible under the new one.
    if (::GetDlgCtrlID(control) == IDC_DURATION_ACC)
        return reinterpret_cast<HBRUSH>(DefWindowProc(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(m_hWnd)));
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CMorvishDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
}

HCURSOR CMorvishDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CMorvishDlg::OnSysCommand(UINT id, LPARAM)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
    else
        Default();
}

void CMorvishDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}
