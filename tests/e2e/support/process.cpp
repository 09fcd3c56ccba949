// Starting and ending the programs under test.
#include "process.h"

#include <tlhelp32.h>

#include <cstdio>
#include <vector>

namespace e2e {

void Process::makeJob() {
    job_ = CreateJobObjectA(nullptr, nullptr);
    if (job_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
}

bool Process::adopt(bool started) {
    if (!started) {
        std::printf("process start failed: error %lu\n", GetLastError());
        info_ = {};
        return false;
    }
    if (job_) AssignProcessToJobObject(job_, info_.hProcess);
    ResumeThread(info_.hThread);
    return true;
}

// Suspended until it is in the job, so that not even its first child escapes.
bool Process::start(const std::string& commandLine, const std::string& workingDir) {
    makeJob();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    return adopt(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                                workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info_) != FALSE);
}

bool Process::start(const std::wstring& commandLine, const std::wstring& workingDir) {
    makeJob();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    return adopt(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                                workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &info_) != FALSE);
}

Process::~Process() {
    kill();
    if (info_.hThread) CloseHandle(info_.hThread);
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (job_) CloseHandle(job_);
}

std::optional<DWORD> Process::waitForExit(DWORD timeoutMs) {
    if (!info_.hProcess) return std::nullopt;
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool Process::waitForAllToEnd(DWORD timeoutMs) {
    if (!job_ || !waitForExit(timeoutMs)) return false;
    const double end = nowMs() + timeoutMs;
    do {
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
        if (!QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting,
                                       sizeof accounting, nullptr))
            return false;
        if (accounting.ActiveProcesses == 0) return true;
        Sleep(50);
    } while (nowMs() < end);
    return false;
}

bool Process::running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void Process::kill() {
    if (job_) TerminateJobObject(job_, 1);
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

void freezeProcess(DWORD processId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId) continue;
        if (HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
            SuspendThread(thread);
            CloseHandle(thread);
        }
    }
    CloseHandle(snapshot);
}

std::string programDir() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/"));
}

std::string inFolder(const std::string& folder, const std::string& fileName) { return folder + "\\" + fileName; }

std::wstring inFolder(const std::wstring& folder, const std::string& fileName) {
    return folder + L"\\" + std::wstring(fileName.begin(), fileName.end());
}

std::string freshDir(const std::string& name) {
    std::string dir = programDir() + "\\scenario-" + name;
    // Empty it: earlier runs may have left files.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((dir + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool copyFileTo(const std::string& from, const std::string& toDir) {
    std::string name = from.substr(from.find_last_of("\\/") + 1);
    return CopyFileA(from.c_str(), (toDir + "\\" + name).c_str(), FALSE) != 0;
}

namespace {

std::optional<std::string> bytesOf(HANDLE file) {
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

}  // namespace

std::optional<std::string> fileBytes(const std::string& path) {
    return bytesOf(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               0, nullptr));
}

std::optional<std::string> fileBytes(const std::wstring& path) {
    return bytesOf(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               0, nullptr));
}

double nowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace e2e
