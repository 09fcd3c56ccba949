// Recording the null sink's monitor with parec, started from inside Wine.
#include "sound_recording.h"

#include <vector>

#include "process.h"

namespace e2e {

namespace {

std::uint64_t fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

std::string unixPath(const std::string& windowsPath) {
    using UnixNameFn = char* (CDECL*)(const WCHAR*);
    const auto toUnix = reinterpret_cast<UnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix != nullptr) {
        std::vector<WCHAR> wide(windowsPath.size() + 1);
        MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        if (char* name = toUnix(wide.data())) {
            std::string result(name);
            HeapFree(GetProcessHeap(), 0, name);
            return result;
        }
    }
    // Drive Z: is the Linux root in every prefix.
    std::string path = windowsPath.size() > 2 && windowsPath[1] == ':' ? windowsPath.substr(2) : windowsPath;
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

bool startLinuxProgram(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
    return true;
}

bool SoundRecording::start(const std::string& wavPath, int seconds) {
    path_ = wavPath;
    DeleteFileA(wavPath.c_str());
    // SIGINT lets parec finish the file's header; a short latency keeps the file's growth in
    // step with the clock (checked: within about 40 ms).
    const std::string command = "/usr/bin/timeout -s INT " + std::to_string(seconds) +
                                " /usr/bin/parec -d nullsink.monitor --file-format=wav --latency-msec=20 " +
                                "\"" + unixPath(wavPath) + "\"";
    if (!startLinuxProgram(command)) return false;
    endsAtMs_ = nowMs() + 1000.0 * seconds;
    const double giveUp = nowMs() + 5000;
    while (nowMs() < giveUp) {
        if (fileSize(wavPath) > 4096) return true;
        Sleep(20);
    }
    return false;
}

std::uint64_t SoundRecording::mark() const { return fileSize(path_); }

RecordingLevels SoundRecording::finish(DWORD timeoutMs) const {
    const double giveUp = nowMs() + timeoutMs;
    while (nowMs() < endsAtMs_ && nowMs() < giveUp) Sleep(100);
    std::uint64_t last = 0;
    while (nowMs() < giveUp) {
        const std::uint64_t now = fileSize(path_);
        if (now == last) break;
        last = now;
        Sleep(300);
    }
    return RecordingLevels::load(path_);
}

}  // namespace e2e
