#include "tests/ui/driver/RemoteCall.h"
#include "tests/ui/driver/ProbeCall.h"
#include <cstring>

namespace driver {

namespace {

// The shared block of one call: a header, then the request.
class CallBlock {
public:
    CallBlock(const std::string& name, size_t size)
    {
        m_mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                         static_cast<DWORD>(sizeof(ProbeCallHeader) + size), name.c_str());
        if (m_mapping != nullptr)
            m_view = ::MapViewOfFile(m_mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0);
    }
    ~CallBlock()
    {
        if (m_view != nullptr)
            ::UnmapViewOfFile(m_view);
        if (m_mapping != nullptr)
            ::CloseHandle(m_mapping);
    }
    CallBlock(const CallBlock&) = delete;
    CallBlock& operator=(const CallBlock&) = delete;

    ProbeCallHeader* Header() const { return static_cast<ProbeCallHeader*>(m_view); }
    void* Request() const { return Header() + 1; }

private:
    HANDLE m_mapping = nullptr;
    void* m_view = nullptr;
};

} // namespace

std::optional<DWORD> CallInProgram(HWND window, const std::string& libraryPath, const char* function, void* request,
                                   size_t size, DWORD timeoutMs)
{
    static DWORD s_calls = 0;
    const DWORD call = ++s_calls;
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    if (thread == 0 || std::strlen(function) >= sizeof(ProbeCallHeader::function))
        return std::nullopt;
    CallBlock block(ProbeCallBlockName(::GetCurrentProcessId(), call), size);
    if (block.Header() == nullptr)
        return std::nullopt;
    std::strcpy(block.Header()->function, function);
    std::memcpy(block.Request(), request, size);

    HMODULE probe = ::LoadLibraryA(libraryPath.c_str());
    // Through void*: GetProcAddress gives every function one type.
    const auto hook = probe != nullptr
        ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(probe, kProbeCallHook)))
        : nullptr;
    HHOOK installed = hook != nullptr ? ::SetWindowsHookExA(WH_CALLWNDPROC, hook, probe, thread) : nullptr;
    if (installed == nullptr) {
        if (probe != nullptr)
            ::FreeLibrary(probe);
        return std::nullopt;
    }
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(window, ::RegisterWindowMessageA(kProbeCallMessage), ::GetCurrentProcessId(), call,
                          SMTO_NORMAL, timeoutMs, &answer);
    ::UnhookWindowsHookEx(installed);
    ::FreeLibrary(probe);
    // A call the thread did not take within the limit is never made: the hook
    // is gone by the time it gets to the message.
    if (block.Header()->done == 0)
        return std::nullopt;
    std::memcpy(request, block.Request(), size);
    return block.Header()->result;
}

} // namespace driver
