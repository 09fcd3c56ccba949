// The GDI objects and kernel handles another process holds, counted by the system's own calls
// where they answer (GetGuiResources, GetProcessHandleCount), and otherwise by what Wine 8 can
// tell: there both calls answer 0 (GetGuiResources failing with ERROR_CALL_NOT_IMPLEMENTED), so
// the GDI objects are the entries in use of the process's GDI handle table (its PEB's
// GdiSharedHandleTable, which Wine keeps per process), and the handles are the entries of
// that process in the system's handle list (NtQuerySystemInformation, class 16).
#pragma once

#include <windows.h>

#include <string>

namespace trials {

struct ResourceCounts {
    long gdiObjects = -1;  // -1: could not be counted
    long handles = -1;
};

class ProcessResources {
public:
    explicit ProcessResources(DWORD processId);
    ~ProcessResources();
    ProcessResources(const ProcessResources&) = delete;
    ProcessResources& operator=(const ProcessResources&) = delete;

    ResourceCounts count() const;
    // Where the figures come from, for the trial's report.
    std::string gdiSource() const;
    std::string handleSource() const;

private:
    long gdiObjects() const;
    long handles() const;

    DWORD processId_;
    HANDLE process_ = nullptr;
    bool systemGdiCount_ = false;
    bool systemHandleCount_ = false;
};

}  // namespace trials
