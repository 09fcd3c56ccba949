// The host form and its thread.
#include "command_host.h"

#include <memory>
#include <string>

#include "command_button_win32.h"
#include "forms/combo_box.h"
#include "forms/form.h"
#include "forms/forms_app.h"
#include "forms/picture_box.h"

namespace scenario {
namespace {

class HostForm : public forms::Form {
public:
    explicit HostForm(std::atomic<int>* clicks)
        : forms::Form(forms::FormDesign{"Command host", forms::BorderStyle::FixedSingle, 7200, 3600,
                                        RGB(192, 192, 192)}),
          clicks_(clicks) {}

    std::unique_ptr<forms::PictureBox> panel;
    std::unique_ptr<forms::ComboBox> combo;
    std::unique_ptr<Command> buttons[kButtonCount];

protected:
    void Form_Load() override {
        panel = std::make_unique<forms::PictureBox>(*this);
        panel->move(300, 900, 3600, 1200);
        panel->setTabIndex(1);
        combo = std::make_unique<forms::ComboBox>(*panel);
        combo->move(150, 150, 1200, 300);
        combo->setTabIndex(3);
        for (int y = 150; y < 200; ++y) drawLine(110, y, 210, y, kPatchColour);
        place(kSet, *this, "設定", 300, 300, 2);
        place(kCancel, *panel, "ｷｬﾝｾﾙ", 1500, 150, 4);
        place(kOff, *this, "無効", 300, 2400, 5);
        place(kClear, *this, "透明", 1800, 2400, 6);
        buttons[kOff]->setEnabled(false);
        buttons[kClear]->setVisible(false);
        // As the settings dialog does for all its buttons at load.
        for (Command* button : commandButtonsOn(*this)) button->Initialize();
    }

private:
    // Each stores only its caption and font, as the settings dialog's buttons do.
    void place(HostButton which, forms::Container& host, const char* caption, int left, int top, int tabIndex) {
        forms::PropertyStore saved;
        saved.write("Caption", std::string(caption));
        saved.write("Font", forms::FontSpec{});
        buttons[which] = forms::createUserControlAs<Command>(Command::kTypeName, host, &saved);
        if (!buttons[which]) return;
        buttons[which]->move(left, top, 1095, 375);
        buttons[which]->setTabIndex(tabIndex);
        std::atomic<int>* counter = &clicks_[which];
        buttons[which]->Click = [counter] { ++*counter; };
    }

    std::atomic<int>* clicks_;
};

}  // namespace

CommandHost::CommandHost(HostLoop loop) {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, loop, ready] { run(loop, ready); });
    WaitForSingleObject(ready, 20000);
    CloseHandle(ready);
}

CommandHost::~CommandHost() {
    if (form_) PostMessageA(form_, WM_CLOSE, 0, 0);
    if (thread_.joinable()) thread_.join();
}

void CommandHost::run(HostLoop loop, HANDLE ready) {
    forms::App app(GetModuleHandleA(nullptr));
    Command::registerType();
    HostForm host(clicks_);
    host.load();
    if (host.hWnd()) SetWindowPos(host.hWnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (host.hWnd() && host.panel && host.combo) {
        form_ = host.hWnd();
        panel_ = host.panel->hWnd();
        combo_ = host.combo->hWnd();
        for (int i = 0; i < kButtonCount; ++i) buttons_[i] = host.buttons[i] ? host.buttons[i]->hWnd() : nullptr;
    }
    if (loop == HostLoop::ShowModal) {
        // showModal shows the form first; the scenario waits for it to be visible.
        SetEvent(ready);
        host.showModal();
    } else {
        host.show();
        SetEvent(ready);
        app.run();
    }
}

HWND CommandHost::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(form_, nullptr), &info) ? info.hwndFocus : nullptr;
}

POINT CommandHost::onForm(int x, int y) const {
    POINT at{x, y};
    ClientToScreen(form_, &at);
    return at;
}

POINT CommandHost::centreOf(HostButton which) const {
    RECT rect{};
    GetWindowRect(buttons_[which], &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace scenario
