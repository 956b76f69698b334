#include "settings/LogonTask.h"
#include "settings/LogonTaskDefinition.h"
#include <windows.h>
#include <sddl.h>
#include <taskschd.h>
#include <vector>

namespace {

// COM on the calling thread for the object's life. A thread that has its
// apartment already keeps it as it is.
class ComApartment {
public:
    ComApartment() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(m_result))
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT m_result;
};

class BString {
public:
    explicit BString(const std::wstring& text) : m_text(::SysAllocString(text.c_str())) {}
    ~BString() { ::SysFreeString(m_text); }
    BString(const BString&) = delete;
    BString& operator=(const BString&) = delete;
    operator BSTR() const { return m_text; }

private:
    BSTR m_text;
};

// The SID of the user this process runs as, "S-1-5-21-...": empty when the
// token cannot be read.
std::wstring CurrentUserSid()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::wstring();
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::wstring sid;
    LPWSTR text = nullptr;
    if (size != 0 && ::GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
        && ::ConvertSidToStringSidW(reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
        sid = text;
        ::LocalFree(text);
    }
    ::CloseHandle(token);
    return sid;
}

// Runs `use` on the scheduler's root folder, where the user's task lives, and
// gives its result, or the failure to reach the folder.
template <typename Use>
HRESULT InRootFolder(Use use)
{
    ComApartment apartment;
    ITaskService* service = nullptr;
    HRESULT result = ::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                        reinterpret_cast<void**>(&service));
    if (FAILED(result))
        return result;
    // Empty arguments: this computer, as this process's user.
    VARIANT none;
    ::VariantInit(&none);
    result = service->Connect(none, none, none, none);
    ITaskFolder* root = nullptr;
    if (SUCCEEDED(result))
        result = service->GetFolder(BString(L"\\"), &root);
    if (SUCCEEDED(result)) {
        result = use(*root);
        root->Release();
    }
    service->Release();
    return result;
}

// The task's name for this process's user; empty when the user is unknown.
std::wstring TaskName()
{
    const std::wstring sid = CurrentUserSid();
    return sid.empty() ? std::wstring() : LogonTaskName(sid);
}

} // namespace

bool LogonTaskRegistered()
{
    const std::wstring name = TaskName();
    if (name.empty())
        return false;
    const HRESULT result = InRootFolder([&](ITaskFolder& root) {
        IRegisteredTask* task = nullptr;
        const HRESULT found = root.GetTask(BString(name), &task);
        if (task != nullptr)
            task->Release();
        return found;
    });
    return SUCCEEDED(result) || result == E_ACCESSDENIED;
}

bool RegisterLogonTask(const std::wstring& exePath)
{
    const std::wstring sid = CurrentUserSid();
    const size_t slash = exePath.find_last_of(L'\\');
    if (sid.empty() || slash == std::wstring::npos)
        return false;
    const std::wstring xml = LogonTaskXml(sid, exePath, exePath.substr(0, slash));
    const HRESULT result = InRootFolder([&](ITaskFolder& root) {
        // The principal is the task's own: the user it names, with the token
        // of that user's logon session, and no password.
        VARIANT none;
        ::VariantInit(&none);
        VARIANT noSecurityDescriptor;
        ::VariantInit(&noSecurityDescriptor);
        noSecurityDescriptor.vt = VT_BSTR;
        noSecurityDescriptor.bstrVal = ::SysAllocString(L"");
        IRegisteredTask* task = nullptr;
        const HRESULT registered = root.RegisterTask(BString(LogonTaskName(sid)), BString(xml), TASK_CREATE_OR_UPDATE,
                                                     none, none, TASK_LOGON_INTERACTIVE_TOKEN, noSecurityDescriptor,
                                                     &task);
        ::VariantClear(&noSecurityDescriptor);
        if (task != nullptr)
            task->Release();
        return registered;
    });
    return SUCCEEDED(result);
}

LogonTaskRemoval RemoveLogonTask()
{
    const std::wstring name = TaskName();
    if (name.empty())
        return LogonTaskRemoval::Failed;
    const HRESULT result = InRootFolder([&](ITaskFolder& root) { return root.DeleteTask(BString(name), 0); });
    if (SUCCEEDED(result) || result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND))
        return LogonTaskRemoval::Removed;
    return result == E_ACCESSDENIED ? LogonTaskRemoval::NeedsRights : LogonTaskRemoval::Failed;
}
