// Running the saver for the music scenarios.
#include "saver_run.h"

#include "program_contract.h"
#include "sound_recording.h"
#include "user_input.h"
#include "windows_probe.h"

namespace e2e {

namespace {

constexpr const char kFrontEndTitle[] = "Vantrel_Main";

// Ends whatever process owns a window of this title: a scenario that fails half-way must not
// leave a saver or renderer to disturb the next one.
void endOwnerOf(const char* title) {
    for (int i = 0; i < 5; ++i) {
        HWND window = FindWindowA(nullptr, title);
        if (!window) return;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, windowProcessId(window))) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 3000);
            CloseHandle(process);
        }
    }
}

}  // namespace

SaverRun::SaverRun(const std::string& name) : dir_(freshDir(name)) {
    copyFileTo(inFolder(programDir(), kFrontEndFileName), dir_);
    copyFileTo(inFolder(programDir(), kRendererFileName), dir_);
}

void SaverRun::writeSettings(const MusicSettingsFile& settings) const {
    const std::string ini = inFolder(dir_, kSettingsFileName);
    WritePrivateProfileStringA("Section", "BGM区分", std::to_string(settings.kind).c_str(), ini.c_str());
    WritePrivateProfileStringA("Section", "BGMﾘﾋﾟｰﾄ", std::to_string(settings.repeatTrack).c_str(), ini.c_str());
    WritePrivateProfileStringA("Section", "BGMﾌｧｲﾙ", settings.file.c_str(), ini.c_str());
}

SaverRun::~SaverRun() {
    endOwnerOf(kRendererWindowTitle);
    endOwnerOf(kFrontEndTitle);
    if (frontEnd_) CloseHandle(frontEnd_);
}

bool SaverRun::waitForRenderer() {
    renderer_ = waitForWindow(kRendererWindowTitle, 15000);
    return renderer_ != nullptr;
}

bool SaverRun::start() {
    return process_.start("\"" + inFolder(dir_, kFrontEndFileName) + "\" /s", dir_) && waitForRenderer();
}

bool SaverRun::startWithUnixEnvironment(const std::string& environment) {
    const std::string command = "/usr/bin/env " + environment + " /usr/lib/wine/wine64 \"" +
                                unixPath(inFolder(dir_, kFrontEndFileName)) + "\" /s";
    if (!startLinuxProgram(command)) return false;
    HWND frontEnd = waitForWindow(kFrontEndTitle, 15000);
    if (!frontEnd) return false;
    frontEnd_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, windowProcessId(frontEnd));
    return frontEnd_ != nullptr && waitForRenderer();
}

bool SaverRun::endByKey() {
    if (!renderer_) return false;
    // A key goes to the foreground window, which a loaded machine may not have handed to the
    // renderer yet.
    waitForKeyboard(renderer_);
    pressKey(renderer_, VK_SPACE);
    return waitForNoWindow(kRendererWindowTitle, 5000);
}

bool SaverRun::frontEndEnded(DWORD timeoutMs, DWORD* exitCode) {
    if (frontEnd_) {
        if (WaitForSingleObject(frontEnd_, timeoutMs) != WAIT_OBJECT_0) return false;
        GetExitCodeProcess(frontEnd_, exitCode);
        return true;
    }
    const auto code = process_.waitForExit(timeoutMs);
    if (!code) return false;
    *exitCode = *code;
    return true;
}

}  // namespace e2e
