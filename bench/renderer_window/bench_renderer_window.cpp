// Start and close latency of the renderer, beside the same figures for a bare window program
// (the floor that Wine, X and process creation set), and, given, an older renderer's. Prints
// medians; asserts nothing.
//   bench_renderer_window.exe [runs] [--before PATH]   PATH: another Corvessa.dll
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "program_contract.h"

namespace {

double nowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string directoryOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/")); }

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string thisDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return directoryOf(path);
}

void pressEscape() {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
}

struct Sample {
    double toWindowMs = -1;
    double toWindowGoneMs = -1;
    double toExitMs = -1;
};

// One run: start, wait for the window by its title, settle, press a key, wait for the exit.
Sample measureOnce(const std::string& program, const char* title) {
    Sample sample;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = "\"" + program + "\"";
    double start = nowMs();
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        directoryOf(program).c_str(), &startup, &info))
        return sample;
    HWND window = nullptr;
    while (!window && nowMs() - start < 10000) {
        window = FindWindowA(nullptr, title);
        if (!window) Sleep(1);
    }
    if (window) {
        sample.toWindowMs = nowMs() - start;
        Sleep(150);  // let it take the foreground and settle
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
        double pressed = nowMs();
        pressEscape();
        while (IsWindow(window) && nowMs() - pressed < 10000) Sleep(1);
        if (!IsWindow(window)) sample.toWindowGoneMs = nowMs() - pressed;
        if (WaitForSingleObject(info.hProcess, 10000) == WAIT_OBJECT_0)
            sample.toExitMs = nowMs() - pressed;
    }
    TerminateProcess(info.hProcess, 1);  // no-op when it has ended
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return sample;
}

double median(std::vector<double> values) {
    values.erase(std::remove_if(values.begin(), values.end(), [](double v) { return v < 0; }),
                 values.end());
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures {
    double toWindowMs;
    double toWindowGoneMs;
    double toExitMs;
    int completed;
};

struct Contender {
    std::string program;
    const char* title;
    std::vector<Sample> samples;
};

// The programs take turns, run after run, after one round that is not counted (the first Wine
// programs of a session start its helpers), so that a machine or session that slows down or
// settles during the benchmark weighs on every program alike.
void measureInTurns(std::vector<Contender>& contenders, int runs) {
    for (int round = -1; round < runs; ++round) {
        for (Contender& c : contenders) {
            const Sample s = measureOnce(c.program, c.title);
            if (round >= 0) c.samples.push_back(s);
            Sleep(100);
        }
    }
}

Figures figuresOf(const Contender& c) {
    std::vector<double> toWindow, toWindowGone, toExit;
    int completed = 0;
    for (const Sample& s : c.samples) {
        toWindow.push_back(s.toWindowMs);
        toWindowGone.push_back(s.toWindowGoneMs);
        toExit.push_back(s.toExitMs);
        completed += s.toExitMs >= 0;
    }
    return Figures{median(toWindow), median(toWindowGone), median(toExit), completed};
}

void printRow(const char* what, double saver, double floor, const double* before) {
    std::printf("%-38s %8.1f   %8.1f", what, saver, floor);
    if (before) std::printf("   %8.1f", *before);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string before = argc > 3 && std::string(argv[2]) == "--before" ? argv[3] : "";
    // The build puts the renderer and the bare window beside this benchmark, in bin/.
    const std::string renderer = thisDirectory() + "\\" + kRendererFileName;
    const std::string bare = thisDirectory() + "\\bare_window.exe";
    if (!fileExists(renderer) || !fileExists(bare) || (!before.empty() && !fileExists(before))) {
        std::printf("renderer or bare_window.exe not found beside %s\n", thisDirectory().c_str());
        return 1;
    }
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    std::vector<Contender> contenders = {{renderer, kRendererWindowTitle, {}}, {bare, "Corvessa bare window", {}}};
    const bool withOld = !before.empty();
    if (withOld) contenders.push_back({before, kRendererWindowTitle, {}});
    measureInTurns(contenders, runs);
    const Figures saver = figuresOf(contenders[0]);
    const Figures floor = figuresOf(contenders[1]);
    const Figures old = withOld ? figuresOf(contenders[2]) : Figures{};
    std::printf("median of %d runs, milliseconds      renderer   bare window (floor)%s\n", runs,
                withOld ? "   before" : "");
    printRow("process start to window", saver.toWindowMs, floor.toWindowMs, withOld ? &old.toWindowMs : nullptr);
    printRow("closing key press to window gone", saver.toWindowGoneMs, floor.toWindowGoneMs,
             withOld ? &old.toWindowGoneMs : nullptr);
    printRow("closing key press to process exit", saver.toExitMs, floor.toExitMs,
             withOld ? &old.toExitMs : nullptr);
    const double completed[] = {double(saver.completed), double(floor.completed), double(old.completed)};
    printRow("runs completed", completed[0], completed[1], withOld ? &completed[2] : nullptr);
    return 0;
}
