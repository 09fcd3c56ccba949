// The process side of the forms layer: program directory and argument text, the application
// title and its message box, the names it registers, starting programs, the hidden owner window
// of every form, the screen's DPI, and the message loop that keeps the process alive while a
// form is loaded.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "program_folder.h"
#include "win_handles.h"

namespace forms {

class Form;

enum class MousePointer { Default, Hourglass };

// How the application names itself to the system: the title of its message boxes (and of the
// hidden window that owns its forms), and the prefix of the window classes and the window
// property that the forms layer registers for it. A host that does not care (a test) may keep
// the defaults.
struct AppIdentity {
    std::string title;
    std::string namePrefix = "Forms";
};

// What the forms layer registers with the system, each name the application's prefix + its kind.
struct RegisteredNames {
    explicit RegisteredNames(const std::string& prefix)
        : ownerClass(prefix + "Owner"), formClass(prefix + "Form"), pictureBoxClass(prefix + "PictureBox"),
          userControlClass(prefix + "UserControl"), tabIndexProperty(prefix + ".TabIndex") {}

    std::string ownerClass;        // the hidden window that owns every form
    std::string formClass;         // forms
    std::string pictureBoxClass;   // picture boxes
    std::string userControlClass;  // user controls
    std::string tabIndexProperty;  // the window property that keeps a control's tab index
};

class App {
public:
    // One per process, made first in the entry and torn down last.
    explicit App(HINSTANCE instance, AppIdentity identity = AppIdentity{});
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    static App& current();

    HINSTANCE instance() const { return instance_; }
    const std::string& title() const { return identity_.title; }
    const RegisteredNames& names() const { return names_; }
    // The program's own folder, without a trailing separator: the ANSI path the front end joins
    // its files to (see ProgramFolder).
    const std::string& path() const { return folder_.ansi; }
    const ProgramFolder& folder() const { return folder_; }
    // For a host that runs the front end's routines for another folder (the tests).
    void setFolder(ProgramFolder folder) { folder_ = std::move(folder); }
    // The Unicode path by which the calls that take the program's folder reach `path`, where the
    // folder has no ANSI name; nothing where the ANSI calls name it.
    std::optional<std::wstring> unicodeOnlyPath(const std::string& path) const { return unicodeOnlyPathOf(path, folder_); }
    // The command line without the program's name.
    const std::string& argumentText() const { return argumentText_; }

    // A modal box with the application title, only an OK button and no icon; an owner window
    // is disabled while the box is up. `text` is the program's own CP932 text: where the system's
    // code page is another, it goes through the Unicode call so that it reads in Japanese.
    void msgBox(const std::string& text, HWND owner = nullptr) const;
    void msgBox(const std::wstring& text, HWND owner = nullptr) const;
    // Ends the process at once: no further events of any form run.
    [[noreturn]] void end(UINT exitCode = 0) const;
    // Starts a program by its ANSI path (see unicodeOnlyPath), shown normally and activated (show mode 1), without waiting.
    // The process handle is the caller's to keep or drop; empty when the start failed.
    UniqueHandle startProgram(const std::string& programPath) const;

    // The hidden top-level window that owns every form; closing it ends the message loop.
    HWND ownerWindow() const { return owner_; }

    // Runs the message loop while a form is loaded and the owner window stands.
    int run();

    void setMousePointer(MousePointer pointer) const;

    // Dots per inch of the screen, for twips.
    int dpiX() const { return dpiX_; }
    int dpiY() const { return dpiY_; }
    int screenWidthTwips() const;
    int screenHeightTwips() const;

    // Book-keeping of the forms: the process lives while one is loaded.
    void formLoaded(Form* form);
    void formUnloaded(Form* form);
    int loadedForms() const { return loadedForms_; }

private:
    static LRESULT CALLBACK ownerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    AppIdentity identity_;
    RegisteredNames names_;
    ProgramFolder folder_;
    std::string argumentText_;
    bool comReady_ = false;
    HWND owner_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    int loadedForms_ = 0;
};

}  // namespace forms
