#include "framework/WinThread.h"
#include <process.h>

namespace {

struct CWinThread {
    AFX_THREADPROC proc;
    LPVOID param;
};

unsigned __stdcall ThreadEntry(void* start)
{
    auto* thread = static_cast<CWinThread*>(start);
    const UINT exitCode = thread->proc(thread->param);
    delete thread;
    return exitCode;
}

} // namespace

bool AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize)
{
    auto* thread = new CWinThread{ proc, param };
    const uintptr_t handle = _beginthreadex(nullptr, stackSize, &ThreadEntry, thread, CREATE_SUSPENDED, nullptr);
    if (handle == 0) {
        delete thread;
        return false;
    }
    HANDLE h = reinterpret_cast<HANDLE>(handle);
    ::SetThreadPriority(h, priority);
    ::ResumeThread(h);
    ::CloseHandle(h);
    return true;
}
