// Built into every probe library: the hook through which the driver runs the
// probe's functions on the program's own window thread.
#include "tests/ui/driver/ProbeCall.h"

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeCallHook(int code, WPARAM wParam, LPARAM lParam);

namespace {

HMODULE ThisLibrary()
{
    HMODULE library = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCSTR>(&ProbeCallHook), &library);
    return library;
}

void RunCall(DWORD driverProcess, DWORD call)
{
    const std::string name = ProbeCallBlockName(driverProcess, call);
    HANDLE block = ::OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, name.c_str());
    if (block == nullptr)
        return;
    void* view = ::MapViewOfFile(block, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0);
    if (view != nullptr) {
        auto* header = static_cast<ProbeCallHeader*>(view);
        header->function[sizeof header->function - 1] = '\0';
        // Through void*: GetProcAddress gives every function one type.
        const auto function = reinterpret_cast<ProbeFunction>(
            reinterpret_cast<void*>(::GetProcAddress(ThisLibrary(), header->function)));
        // Another probe's hook on the same thread leaves a call it cannot make.
        if (function != nullptr && header->done == 0) {
            header->result = function(header + 1);
            header->done = 1;
        }
        ::UnmapViewOfFile(view);
    }
    ::CloseHandle(block);
}

} // namespace

LRESULT CALLBACK ProbeCallHook(int code, WPARAM wParam, LPARAM lParam)
{
    static const UINT s_callMessage = ::RegisterWindowMessageA(kProbeCallMessage);
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent != nullptr && sent->message == s_callMessage)
        RunCall(static_cast<DWORD>(sent->wParam), static_cast<DWORD>(sent->lParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
