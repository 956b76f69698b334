#include "tests/ui/driver/Resources.h"
#include <psapi.h>
#include <tlhelp32.h>
#include <vector>

namespace driver {

namespace {

// SystemExtendedHandleInformation: every open handle of the system with the
// process that holds it, in the layout ntdll answers with.
constexpr ULONG kExtendedHandleInformation = 64;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG attributes;
    ULONG reserved;
};

struct HandleTable {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};

using PFN_NTQUERYSYSTEMINFORMATION = LONG(NTAPI*)(ULONG infoClass, PVOID buffer, ULONG length, PULONG returned);

} // namespace

std::optional<std::vector<HANDLE>> HandlesOf(DWORD processId)
{
    const auto query = reinterpret_cast<PFN_NTQUERYSYSTEMINFORMATION>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr)
        return std::nullopt;
    std::vector<ULONG_PTR> buffer(1 << 16);
    for (;;) {
        ULONG returned = 0;
        const ULONG bytes = static_cast<ULONG>(buffer.size() * sizeof buffer[0]);
        const LONG status = query(kExtendedHandleInformation, buffer.data(), bytes, &returned);
        if (status == kInfoLengthMismatch && buffer.size() < (1u << 26)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != 0)
            return std::nullopt;
        break;
    }
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    std::vector<HANDLE> handles;
    for (ULONG_PTR i = 0; i < table->count; ++i) {
        if (table->entries[i].processId == processId)
            handles.push_back(reinterpret_cast<HANDLE>(table->entries[i].handle));
    }
    return handles;
}

std::optional<std::size_t> HandleCount(DWORD processId)
{
    const std::optional<std::vector<HANDLE>> handles = HandlesOf(processId);
    if (!handles)
        return std::nullopt;
    return handles->size();
}

std::optional<std::size_t> ThreadCount(DWORD processId)
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::nullopt;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    std::size_t count = 0;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == processId)
            ++count;
    }
    ::CloseHandle(snapshot);
    return count;
}

std::optional<std::size_t> CommittedBytes(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!::K32GetProcessMemoryInfo(process, &counters, sizeof counters))
        return std::nullopt;
    return counters.PagefileUsage;
}

std::optional<ProcessResources> ReadResources(HANDLE process, DWORD processId)
{
    const std::optional<std::size_t> handles = HandleCount(processId);
    const std::optional<std::size_t> threads = ThreadCount(processId);
    const std::optional<std::size_t> committed = CommittedBytes(process);
    if (!handles || !threads || !committed)
        return std::nullopt;
    return ProcessResources{ *handles, *threads, *committed };
}

} // namespace driver
