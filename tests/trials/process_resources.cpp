// Counting another process's GDI objects and handles.
#include "process_resources.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace trials {
namespace {

// One entry of the GDI handle table; Type is 0 in a free one.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "the 64-bit table's entry");
constexpr std::size_t kGdiTableEntries = 0x10000;
// Where the 64-bit PEB keeps the table's address.
constexpr std::size_t kPebGdiTableOffset = 0xF8;

// One entry of the system's handle list (class 16, SystemHandleInformation).
struct SystemHandleEntry {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};
constexpr ULONG kSystemHandleInformation = 16;
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
constexpr std::size_t kLargestHandleList = std::size_t{1} << 26;

template <class Function>
Function ntdllFunction(const char* name) {
    FARPROC entry = GetProcAddress(GetModuleHandleA("ntdll.dll"), name);
    return entry ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry)) : nullptr;
}

}  // namespace

ProcessResources::ProcessResources(DWORD processId)
    : processId_(processId),
      process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {
    // A process with windows holds GDI objects and handles; 0 means the call does not count.
    systemGdiCount_ = process_ && GetGuiResources(process_, GR_GDIOBJECTS) > 0;
    DWORD handleCount = 0;
    systemHandleCount_ = process_ && GetProcessHandleCount(process_, &handleCount) && handleCount > 0;
}

ProcessResources::~ProcessResources() {
    if (process_) CloseHandle(process_);
}

ResourceCounts ProcessResources::count() const { return ResourceCounts{gdiObjects(), handles()}; }

std::string ProcessResources::gdiSource() const {
    return systemGdiCount_ ? "GetGuiResources" : "entries in use of the process's GDI handle table";
}

std::string ProcessResources::handleSource() const {
    return systemHandleCount_ ? "GetProcessHandleCount" : "the process's entries in the system handle list";
}

long ProcessResources::gdiObjects() const {
    if (!process_) return -1;
    if (systemGdiCount_) return static_cast<long>(GetGuiResources(process_, GR_GDIOBJECTS));
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = ntdllFunction<Query>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process_, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return -1;
    std::uint64_t table = 0;
    const char* tableAddress = reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTableOffset;
    if (!ReadProcessMemory(process_, tableAddress, &table, sizeof table, nullptr) || table == 0) return -1;
    std::vector<GdiHandleEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process_, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), nullptr)) {
        return -1;
    }
    long inUse = 0;
    for (const GdiHandleEntry& entry : entries) inUse += entry.type != 0 ? 1 : 0;
    return inUse;
}

long ProcessResources::handles() const {
    if (!process_) return -1;
    DWORD count = 0;
    if (systemHandleCount_) return GetProcessHandleCount(process_, &count) ? static_cast<long>(count) : -1;
    using Query = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = ntdllFunction<Query>("NtQuerySystemInformation");
    if (!query) return -1;
    std::vector<char> buffer(1 << 16);
    NTSTATUS status = 0;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr)) ==
               kInfoLengthMismatch &&
           buffer.size() < kLargestHandleList) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) return -1;
    const ULONG total = *reinterpret_cast<const ULONG*>(buffer.data());
    // The entries follow the count at the alignment of a pointer.
    const auto* entries = reinterpret_cast<const SystemHandleEntry*>(buffer.data() + sizeof(void*));
    long owned = 0;
    for (ULONG i = 0; i < total; ++i) owned += entries[i].ownerProcessId == processId_ ? 1 : 0;
    return owned;
}

}  // namespace trials
