#include "framework/DesktopShell.h"
#include <windows.h>
#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <servprov.h>

namespace {

// One interface pointer, released when it goes.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr()
    {
        if (m_pInterface != nullptr)
            m_pInterface->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* operator->() const { return m_pInterface; }
    explicit operator bool() const { return m_pInterface != nullptr; }
    // Where a call that hands out an interface puts it; only on an empty one.
    Interface** Put() { return &m_pInterface; }
    void** PutVoid() { return reinterpret_cast<void**>(&m_pInterface); }

private:
    Interface* m_pInterface = nullptr;
};

std::wstring Widen(const std::string& text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::wstring CurrentFolder()
{
    // The answer to a buffer too small is the size needed, its terminating zero included.
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), &folder[0]);
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);
    }
}

// An argument of the shell's ShellExecute: text, or, for null, the one COM
// gives an optional argument left out.
class Argument {
public:
    explicit Argument(const char* text)
    {
        ::VariantInit(&m_value);
        if (text == nullptr) {
            m_value.vt = VT_ERROR;
            m_value.scode = DISP_E_PARAMNOTFOUND;
        } else {
            m_value.vt = VT_BSTR;
            m_value.bstrVal = ::SysAllocString(Widen(text).c_str());
        }
    }
    explicit Argument(const std::wstring& text)
    {
        ::VariantInit(&m_value);
        m_value.vt = VT_BSTR;
        m_value.bstrVal = ::SysAllocString(text.c_str());
    }
    explicit Argument(int number)
    {
        ::VariantInit(&m_value);
        m_value.vt = VT_I4;
        m_value.lVal = number;
    }
    ~Argument() { ::VariantClear(&m_value); }
    Argument(const Argument&) = delete;
    Argument& operator=(const Argument&) = delete;

    const VARIANT& Value() const { return m_value; }

private:
    VARIANT m_value;
};

bool EnterApartment()
{
    // Once for the thread, never left: the apartment lives as long as the
    // thread. One that is multi-threaded already serves as well.
    thread_local const HRESULT entered = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(entered) || entered == RPC_E_CHANGED_MODE;
}

} // namespace

HRESULT FindDesktopShell(IShellDispatch2** shell)
{
    ComPtr<IShellWindows> windows;
    HRESULT result =
        ::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows, windows.PutVoid());
    if (FAILED(result))
        return result;
    VARIANT desktop;
    ::VariantInit(&desktop);
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    VARIANT root;
    ::VariantInit(&root);
    long window = 0;
    ComPtr<IDispatch> desktopWindow;
    result = windows->FindWindowSW(&desktop, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, desktopWindow.Put());
    // S_FALSE: no desktop window among them.
    if (result != S_OK || !desktopWindow)
        return FAILED(result) ? result : E_FAIL;
    ComPtr<IServiceProvider> services;
    if (FAILED(result = desktopWindow->QueryInterface(IID_IServiceProvider, services.PutVoid())))
        return result;
    ComPtr<IShellBrowser> browser;
    if (FAILED(result = services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.PutVoid())))
        return result;
    ComPtr<IShellView> view;
    if (FAILED(result = browser->QueryActiveShellView(view.Put())))
        return result;
    ComPtr<IDispatch> background;
    if (FAILED(result = view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.PutVoid())))
        return result;
    ComPtr<IShellFolderViewDual> folderView;
    if (FAILED(result = background->QueryInterface(IID_IShellFolderViewDual, folderView.PutVoid())))
        return result;
    ComPtr<IDispatch> application;
    if (FAILED(result = folderView->get_Application(application.Put())))
        return result;
    return application->QueryInterface(IID_IShellDispatch2, reinterpret_cast<void**>(shell));
}

namespace {

// The desktop's shell as the first start on this thread found it, kept for
// the next ones; null until then, and once it stops answering. Never
// released at the end: the process's end closes the connection.
thread_local IShellDispatch2* t_pDesktopShell = nullptr;

void ForgetDesktopShell()
{
    t_pDesktopShell->Release();
    t_pDesktopShell = nullptr;
}

// S_OK: started; S_FALSE: the shell could not start it; a failure: the
// shell's process did not answer.
HRESULT ExecuteOnDesktop(const std::string& file, const char* parameters, const char* verb, int show)
{
    BSTR name = ::SysAllocString(Widen(file).c_str());
    const Argument arguments(parameters);
    const Argument folder(CurrentFolder());
    const Argument operation(verb);
    const Argument shown(show);
    const HRESULT result =
        t_pDesktopShell->ShellExecute(name, arguments.Value(), folder.Value(), operation.Value(), shown.Value());
    ::SysFreeString(name);
    return result;
}

} // namespace

StartResult StartOnDesktop(const std::string& file, const char* parameters, const char* verb, int show)
{
    if (!EnterApartment())
        return StartResult::ShellNotRunning;
    const bool kept = t_pDesktopShell != nullptr;
    if (!kept && FAILED(FindDesktopShell(&t_pDesktopShell)))
        return StartResult::ShellNotRunning;
    HRESULT result = ExecuteOnDesktop(file, parameters, verb, show);
    // A shell kept from an earlier start may have ended since (Explorer
    // restarted): it is looked up once more.
    if (FAILED(result) && kept) {
        ForgetDesktopShell();
        if (FAILED(FindDesktopShell(&t_pDesktopShell)))
            return StartResult::ShellNotRunning;
        result = ExecuteOnDesktop(file, parameters, verb, show);
    }
    if (FAILED(result)) {
        ForgetDesktopShell();
        return StartResult::ShellNotRunning;
    }
    return result == S_OK ? StartResult::Started : StartResult::Failed;
}
