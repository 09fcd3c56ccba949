// A program started by a scenario. Everything it starts runs inside one job object, so that
// the scenario ends the program and all its children by handle, also when an assertion fails.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class Process {
public:
    // Starts `commandLine` in `workingDir` (empty: the scenario's own); false when it cannot.
    bool start(const std::string& commandLine, const std::string& workingDir = {});
    // The same through the Unicode call, for a path the ANSI code page cannot write.
    bool start(const std::wstring& commandLine, const std::wstring& workingDir = {});
    ~Process();
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit code once the process has ended within `timeoutMs`, else nothing.
    std::optional<DWORD> waitForExit(DWORD timeoutMs);
    // True once the process and everything it started have ended within `timeoutMs`: for
    // programs that hand their work to a child and return at once (an uninstaller).
    bool waitForAllToEnd(DWORD timeoutMs);
    bool running() const;
    DWORD id() const { return info_.dwProcessId; }
    // Ends the process and everything it started.
    void kill();

private:
    // Makes the job; then the started process, held suspended, joins it and runs.
    void makeJob();
    bool adopt(bool started);

    PROCESS_INFORMATION info_{};
    HANDLE job_ = nullptr;
};

// Stops every thread of the process, as a driver call that never returns stops its own.
void freezeProcess(DWORD processId);

// The folder the scenario's program lies in, which is where the build puts the programs.
std::string programDir();

// `fileName` in `folder`; the wide form for a folder the ANSI code page cannot write, with an
// ASCII file name (the programs' own).
std::string inFolder(const std::string& folder, const std::string& fileName);
std::wstring inFolder(const std::wstring& folder, const std::string& fileName);

// A fresh, empty folder for one scenario (removed by nobody: it lies in the build tree).
std::string freshDir(const std::string& name);

bool copyFileTo(const std::string& from, const std::string& toDir);

// The file's bytes, read through the ANSI functions as the programs name their files; nothing
// when it cannot be opened.
std::optional<std::string> fileBytes(const std::string& path);
// The same through the Unicode call, for a path the ANSI code page cannot write.
std::optional<std::string> fileBytes(const std::wstring& path);

// Milliseconds since an arbitrary start, for measuring in scenarios and benchmarks.
double nowMs();

}  // namespace e2e
