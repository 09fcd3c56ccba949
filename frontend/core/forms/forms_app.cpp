// Process services of the forms layer.
#include "forms_app.h"

#include <objbase.h>

#include <vector>

#include "argument_text.h"
#include "container.h"
#include "focus_order.h"
#include "system_text.h"
#include "twips.h"

namespace forms {
namespace {

App* currentApp = nullptr;

// The folder of the program file, read through the Unicode call: the ANSI one cannot name a
// folder such as "Zoë" under code page 932, and the renderer beside it would seem missing.
std::wstring moduleFolder(HINSTANCE instance) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(instance, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            const std::wstring path(buffer.data(), length);
            const size_t separator = path.find_last_of(L"\\/");
            return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
        }
        buffer.resize(buffer.size() * 2);  // cut off: try again with room for a long path
    }
}

}  // namespace

App::App(HINSTANCE instance, AppIdentity identity)
    : instance_(instance),
      identity_(std::move(identity)),
      names_(identity_.namePrefix),
      folder_(programFolderOf(moduleFolder(instance))),
      argumentText_(argumentTextOf(GetCommandLineA())) {
    currentApp = this;
    // OleLoadPicture needs COM on this thread; a failure only costs the preview its picture.
    comReady_ = SUCCEEDED(CoInitialize(nullptr));
    {
        ScreenDc screen;
        if (screen.get()) {
            dpiX_ = GetDeviceCaps(screen.get(), LOGPIXELSX);
            dpiY_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
        }
    }
    registerContainerClasses(instance_, names_);

    WNDCLASSA ownerClass{};
    ownerClass.lpfnWndProc = ownerWindowProc;
    ownerClass.hInstance = instance_;
    ownerClass.lpszClassName = names_.ownerClass.c_str();
    RegisterClassA(&ownerClass);
    // Never shown; it only owns the forms, so that none of them needs a taskbar entry.
    owner_ = CreateWindowExA(0, names_.ownerClass.c_str(), title().c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                             nullptr, instance_, nullptr);
}

App::~App() {
    if (owner_ && IsWindow(owner_)) DestroyWindow(owner_);
    UnregisterClassA(names_.ownerClass.c_str(), instance_);
    unregisterContainerClasses(instance_, names_);
    if (comReady_) CoUninitialize();
    currentApp = nullptr;
}

App& App::current() { return *currentApp; }

void App::msgBox(const std::string& text, HWND owner) const {
    if (!systemShowsProgramText()) {
        msgBox(wideOfProgramText(text), owner);
        return;
    }
    MessageBoxA(owner, text.c_str(), title().c_str(), MB_OK);
}

void App::msgBox(const std::wstring& text, HWND owner) const {
    MessageBoxW(owner, text.c_str(), wideOfProgramText(title()).c_str(), MB_OK);
}

void App::end(UINT exitCode) const { ExitProcess(exitCode); }

namespace {

// CreateProcessA or CreateProcessW with the path as the whole command line. The program is
// named separately from its command line: searched by the unquoted command line alone, a folder
// with a blank in its name would start "C:\Program" or the like.
template <class Char, class StartupInfo, class CreateProcessFunction>
UniqueHandle startByPath(const std::basic_string<Char>& programPath, CreateProcessFunction createProcess) {
    StartupInfo startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    std::vector<Char> commandLine(programPath.begin(), programPath.end());
    commandLine.push_back(Char());
    if (!createProcess(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started)) {
        return UniqueHandle();
    }
    CloseHandle(started.hThread);
    return UniqueHandle(started.hProcess);
}

}  // namespace

UniqueHandle App::startProgram(const std::string& programPath) const {
    if (const std::optional<std::wstring> wide = unicodeOnlyPath(programPath)) {
        return startByPath<wchar_t, STARTUPINFOW>(*wide, CreateProcessW);
    }
    return startByPath<char, STARTUPINFOA>(programPath, CreateProcessA);
}

int App::run() {
    MSG message;
    while (loadedForms_ > 0 && IsWindow(owner_)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        if (handleTabKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void App::setMousePointer(MousePointer pointer) const {
    SetCursor(LoadCursor(nullptr, pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

int App::screenWidthTwips() const { return pixelsToTwips(GetSystemMetrics(SM_CXSCREEN), dpiX_); }
int App::screenHeightTwips() const { return pixelsToTwips(GetSystemMetrics(SM_CYSCREEN), dpiY_); }

void App::formLoaded(Form*) { ++loadedForms_; }

void App::formUnloaded(Form*) {
    // The last form gone ends the loop: wake it so that it sees the count.
    if (--loadedForms_ <= 0) PostMessageA(owner_, WM_NULL, 0, 0);
}

LRESULT CALLBACK App::ownerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace forms
