#include "tests/ui/driver/LogonTasks.h"
#include <windows.h>
#include <sddl.h>
#include <taskschd.h>
#include <vector>

namespace driver {

namespace {

std::wstring Wide(const std::string& text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string CurrentUserSid()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return "no-token";
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::string sid = "no-sid";
    char* text = nullptr;
    if (::GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
        && ::ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
        sid = text;
        ::LocalFree(text);
    }
    ::CloseHandle(token);
    return sid;
}

} // namespace

std::string CurrentUserTaskName()
{
    return "Corvane " + CurrentUserSid();
}

std::string OtherUserTaskName()
{
    return "Corvane S-1-5-21-1004336348-1177238915-682003330-1001";
}

std::string TaskFile(const std::string& name)
{
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    return std::string(system) + "\\Tasks\\" + name;
}

bool TaskExists(const std::string& name)
{
    return ::GetFileAttributesA(TaskFile(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RegisterTask(const std::string& name, const std::string& program)
{
    const std::wstring xml = L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                             L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
                             L"<Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>"
                             L"<Actions><Exec><Command>"
                             + Wide(program) + L"</Command></Exec></Actions></Task>";
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HRESULT result = E_FAIL;
    ITaskService* service = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskService,
                                     reinterpret_cast<void**>(&service)))) {
        VARIANT none;
        ::VariantInit(&none);
        ITaskFolder* root = nullptr;
        BSTR rootPath = ::SysAllocString(L"\\");
        if (SUCCEEDED(service->Connect(none, none, none, none)) && SUCCEEDED(service->GetFolder(rootPath, &root))) {
            BSTR taskName = ::SysAllocString(Wide(name).c_str());
            BSTR text = ::SysAllocString(xml.c_str());
            IRegisteredTask* task = nullptr;
            result = root->RegisterTask(taskName, text, TASK_CREATE_OR_UPDATE, none, none,
                                        TASK_LOGON_INTERACTIVE_TOKEN, none, &task);
            if (task != nullptr)
                task->Release();
            ::SysFreeString(text);
            ::SysFreeString(taskName);
            root->Release();
        }
        ::SysFreeString(rootPath);
        service->Release();
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return SUCCEEDED(result);
}

void RemoveTask(const std::string& name)
{
    const std::string file = TaskFile(name);
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(file.c_str());
}

} // namespace driver
