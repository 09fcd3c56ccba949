// A form: a top-level window owned by the App's hidden owner window, loaded hidden (which runs
// Form_Load once), shown modal or modeless, and unloaded through Form_QueryUnload and
// Form_Unload, also when something outside destroys its window. Geometry in twips. When it is
// activated, the focus goes back to the control that last held it, or else to the first
// control of its tab order (focus_order.h); Tab and Shift+Tab move it in both message loops.
#pragma once

#include <string>

#include "container.h"

namespace forms {

enum class BorderStyle {
    None,         // no caption or border (hidden forms, the preview)
    FixedSingle,  // caption with a close box, not resizable
};

// Why a form unloads; Form_QueryUnload may cancel the first two.
enum class UnloadMode {
    ControlMenu,      // the user closed it from its title bar
    Code,             // the program unloaded it
    WindowsShutdown,  // the session is ending
    WindowDestroyed,  // its window was destroyed from outside (e.g. with its host)
};

struct FormDesign {
    std::string title;
    BorderStyle border = BorderStyle::FixedSingle;
    int clientWidthTwips = 4800;
    int clientHeightTwips = 3600;
    COLORREF backColour = RGB(0, 0, 0);
};

class Form : public Container {
public:
    explicit Form(FormDesign design);
    ~Form() override;

    // Creates the window hidden and runs Form_Load; nothing when already loaded.
    void load();
    bool loaded() const { return hWnd() != nullptr; }
    // Loads if needed and shows without waiting.
    void show();
    // Loads if needed, shows, and returns once the form has unloaded.
    void showModal();
    // Runs Form_QueryUnload (which may cancel unless the window is already going) and
    // Form_Unload, then destroys the window.
    void unload(UnloadMode mode = UnloadMode::Code);

    const std::string& title() const { return design_.title; }
    void setTitle(const std::string& title);

    // Outer rectangle in twips, relative to the parent's inner area (the screen for a
    // top-level form).
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void move(int left, int top, int width, int height);
    void movePixels(int left, int top, int width, int height);

protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& cancel, UnloadMode mode) {
        (void)cancel;
        (void)mode;
    }
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT outerRectInParent() const;
    // Form_Resize for a shown form whose inner size differs from the one last reported.
    void reportResize();
    // The unload events, once per load, whoever started the unload.
    bool runUnloadEvents(UnloadMode mode, bool mayCancel);

    // Where the focus goes back to on activation.
    void restoreFocus();

    FormDesign design_;
    bool unloading_ = false;
    HWND lastFocus_ = nullptr;
    SIZE reportedSize_{-1, -1};
};

}  // namespace forms
