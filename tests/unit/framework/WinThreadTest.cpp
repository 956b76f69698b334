// The self-deleting worker thread: the function runs with its parameter and the
// chosen priority, and the thread's own object is freed when the thread ends.
// The program's operator new and delete count live objects so the test can see
// the thread object come and go.
#include "framework/WinThread.h"
#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_nLiveObjects{ 0 };
}

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    ++g_nLiveObjects;
    return block;
}

void operator delete(void* block) noexcept
{
    if (block == nullptr)
        return;
    --g_nLiveObjects;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

namespace {

struct Job {
    HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE started = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE self = nullptr; // the worker's own thread, to wait for its end
    int priority = 0;
    int runs = 0;

    ~Job()
    {
        ::CloseHandle(release);
        ::CloseHandle(started);
        if (self != nullptr)
            ::CloseHandle(self);
    }
};

UINT WaitForRelease(LPVOID param)
{
    auto* job = static_cast<Job*>(param);
    ++job->runs;
    job->priority = ::GetThreadPriority(::GetCurrentThread());
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(), &job->self,
                      SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0);
    ::SetEvent(job->started);
    ::WaitForSingleObject(job->release, INFINITE);
    return 321;
}

TEST(AfxBeginThread, RunsTheFunctionAndFreesTheThreadObjectWhenItEnds)
{
    Job job;
    const long before = g_nLiveObjects;
    ASSERT_TRUE(AfxBeginThread(&WaitForRelease, &job, THREAD_PRIORITY_BELOW_NORMAL));
    ASSERT_EQ(::WaitForSingleObject(job.started, 5000), WAIT_OBJECT_0);
    const long whileRunning = g_nLiveObjects;
    ::SetEvent(job.release);
    ASSERT_EQ(::WaitForSingleObject(job.self, 5000), WAIT_OBJECT_0);
    const long after = g_nLiveObjects;

    EXPECT_EQ(whileRunning, before + 1);
    EXPECT_EQ(after, before);
    EXPECT_EQ(job.runs, 1);
    EXPECT_EQ(job.priority, THREAD_PRIORITY_BELOW_NORMAL);
    DWORD exitCode = 0;
    EXPECT_TRUE(::GetExitCodeThread(job.self, &exitCode));
    EXPECT_EQ(exitCode, 321u);
}

} // namespace
