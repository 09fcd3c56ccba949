// Helpers of the trials.
#include "trial_support.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "program_contract.h"

namespace trials {

std::string Timings::summary() const {
    if (samples_.empty()) return "none";
    std::vector<double> sorted = samples_;
    std::sort(sorted.begin(), sorted.end());
    char text[96];
    std::snprintf(text, sizeof text, "median %.1f ms, max %.1f ms", sorted[sorted.size() / 2], sorted.back());
    return text;
}

Faults::Faults(std::initializer_list<const char*> names) {
    for (const char* name : names) counts_.emplace_back(name, 0);
}

void Faults::count(const char* name, bool happened) {
    for (auto& [known, n] : counts_) {
        if (known == name) {
            n += happened ? 1 : 0;
            return;
        }
    }
    std::fprintf(stderr, "fault_trials: no fault named %s\n", name);
    std::abort();
}

void Faults::print() const {
    for (const auto& [name, n] : counts_) printFigure(name.c_str(), n);
}

bool Faults::none() const {
    return std::all_of(counts_.begin(), counts_.end(), [](const auto& entry) { return entry.second == 0; });
}

std::vector<DWORD> runningPrograms() {
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, kFrontEndFileName) == 0 || lstrcmpiA(entry.szExeFile, kRendererFileName) == 0) {
            found.push_back(entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return found;
}

int endLeftovers(DWORD timeoutMs) {
    msUntil([] { return runningPrograms().empty(); }, timeoutMs);
    const std::vector<DWORD> left = runningPrograms();
    for (DWORD id : left) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    return static_cast<int>(left.size());
}

void printFigure(const char* name, const std::string& value) {
    std::printf("  %-36s %s\n", name, value.c_str());
    std::fflush(stdout);
}

void printFigure(const char* name, long long value) { printFigure(name, std::to_string(value)); }

}  // namespace trials
