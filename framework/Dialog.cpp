#include "framework/Dialog.h"
#include "framework/DataExchange.h"
#include "framework/DialogInit.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent)
{
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const auto* dialogTemplate = loaded ? static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)) : nullptr;
    if (dialogTemplate == nullptr)
        return -1;

    HWND parent = nullptr;
    if (m_pParentWnd != nullptr)
        parent = m_pParentWnd->m_hWnd;
    else if (CWnd* main = AfxGetMainWnd(); main != nullptr && main != this)
        parent = main->m_hWnd;
    const bool disableParent = parent != nullptr && ::IsWindowEnabled(parent);
    if (disableParent)
        ::EnableWindow(parent, FALSE);

    m_bEndModal = false;
    m_nModalResult = -1;
    HWND hWnd = ::CreateDialogIndirectParamA(instance, dialogTemplate, parent, &CDialog::DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    if (hWnd != nullptr) {
        // Like the platform's modal dialogs, shown even when the template is not visible.
        if (!m_bEndModal && !::IsWindowVisible(hWnd))
            ::ShowWindow(hWnd, SW_SHOWNORMAL);
        RunModalLoop();
    }

    if (disableParent)
        ::EnableWindow(parent, TRUE);
    if (parent != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(parent);
    CWnd::DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bEndModal = true;
    if (m_hWnd != nullptr) {
        ::ShowWindow(m_hWnd, SW_HIDE);
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
}

void CDialog::RunModalLoop()
{
    MSG msg;
    while (!m_bEndModal) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends this loop and is put back for any loop outside it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (got < 0)
            return;
        if (!PreTranslateInput(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

bool CDialog::PreTranslateInput(MSG& msg)
{
    for (HWND hWnd = msg.hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(&msg))
            return true;
        if (hWnd == m_hWnd)
            break;
    }
    return m_hWnd != nullptr && ::IsDialogMessageA(m_hWnd, &msg);
}

bool CDialog::UpdateData(bool save)
{
    CDataExchange dx(this, save);
    DoDataExchange(&dx);
    return true;
}

HWND CDialog::ExchangedItem(int id)
{
    for (auto& [itemId, item] : m_aExchangedItems) {
        if (itemId != id)
            continue;
        // A handle found in an earlier run of the dialog names no window now,
        // or another: it is taken only while it is still this item.
        if (::GetParent(item) != m_hWnd || ::GetDlgCtrlID(item) != id)
            item = GetDlgItem(id);
        return item;
    }
    HWND item = GetDlgItem(id);
    if (item != nullptr)
        m_aExchangedItems.emplace_back(id, item);
    return item;
}

BOOL CDialog::OnInitDialog()
{
    ExecuteDialogInit(m_hWnd, m_nIDTemplate);
    UpdateData(false);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::OnOK()
{
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    // F1 anywhere in the dialog becomes the Help command.
    if (message == WM_HELP) {
        SendMessage(WM_COMMAND, ID_HELP);
        return TRUE;
    }
    // Enter and Esc arrive as IDOK and IDCANCEL; a map entry for either wins.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (OnCommand(wParam, lParam))
            return 0;
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog->SubclassWindow(hWnd))
        return TRUE;
    return StandardWindowProc(hWnd, WM_INITDIALOG, wParam, lParam);
}
