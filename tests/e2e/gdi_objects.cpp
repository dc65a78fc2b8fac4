#include "gdi_objects.h"

#include <winternl.h>

#include <cstddef>
#include <vector>

#include "harness.h"

namespace e2e {

// Wine answers GetGuiResources with 0; there the process's own GDI handle table
// (PEB.GdiSharedHandleTable, 24-byte entries whose type byte is 0 when free) is counted.
long GdiObjects(HANDLE process) {
    if (const DWORD n = ::GetGuiResources(process, GR_GDIOBJECTS)) return static_cast<long>(n);
    if (!IsWine()) return -1;
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) return -1;
    constexpr std::size_t kTableInPeb = 0xF8, kEntries = 0x10000, kEntrySize = 24, kTypeAt = 14;
    ULONG_PTR table = 0;
    if (!::ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + kTableInPeb, &table,
                             sizeof(table), nullptr) ||
        !table)
        return -1;
    std::vector<BYTE> entries(kEntries * kEntrySize);
    if (!::ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(), nullptr))
        return -1;
    long used = 0;
    for (std::size_t i = 0; i < kEntries; ++i) used += entries[i * kEntrySize + kTypeAt] != 0;
    return used;
}

}  // namespace e2e
