// The forms layer: load and unload events, geometry in twips, timers that never overlap,
// windowless controls painted and hit by their container, control arrays, combo boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "combo_box.h"
#include "control_array.h"
#include "form.h"
#include "forms_app.h"
#include "image_control.h"
#include "label_control.h"
#include "picture_box.h"
#include "shape_control.h"
#include "timer.h"

namespace {

// Handles every queued message for about `ms` milliseconds.
void pumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(1);
    }
}

class RecordingForm : public forms::Form {
public:
    explicit RecordingForm(forms::BorderStyle border = forms::BorderStyle::FixedSingle)
        : forms::Form(forms::FormDesign{"Recording form", border, 7185, 3780, RGB(192, 192, 192)}) {}
    std::vector<std::string> events;
    bool cancelUnload = false;
    forms::UnloadMode lastMode = forms::UnloadMode::Code;

protected:
    void Form_Load() override { events.push_back("Load"); }
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override {
        events.push_back("QueryUnload");
        lastMode = mode;
        cancel = cancelUnload;
    }
    void Form_Unload() override { events.push_back(IsWindow(hWnd()) ? "Unload" : "Unload without window"); }
    void Form_Resize() override { events.push_back("Resize"); }
};

COLORREF pixelAt(HWND window, int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    RECT inner{};
    GetClientRect(window, &inner);
    HBITMAP target = CreateCompatibleBitmap(screen, inner.right, inner.bottom);
    HGDIOBJ previous = SelectObject(memory, target);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

}  // namespace

TEST(Forms, LoadCreatesTheWindowHiddenAndRunsFormLoadOnce) {
    RecordingForm form;
    EXPECT_FALSE(form.loaded());
    form.load();
    form.load();
    ASSERT_TRUE(form.loaded());
    EXPECT_EQ(form.events, std::vector<std::string>{"Load"});
    EXPECT_FALSE(IsWindowVisible(form.hWnd()));
    EXPECT_EQ(FindWindowA(nullptr, "Recording form"), form.hWnd()) << "found by title while hidden";
    EXPECT_EQ(GetWindow(form.hWnd(), GW_OWNER), forms::App::current().ownerWindow());
    form.unload();
}

TEST(Forms, GeometryIsInTwips) {
    RecordingForm form;
    form.load();
    EXPECT_EQ(forms::App::current().dpiX(), 96);
    EXPECT_EQ(form.scaleWidth(), 479);
    EXPECT_EQ(form.scaleHeight(), 252);
    form.move(1500, 3000, 7500, 4500);
    RECT outer{};
    GetWindowRect(form.hWnd(), &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 200);
    EXPECT_EQ(form.width(), 7500);
    EXPECT_EQ(form.height(), 4500);
    EXPECT_EQ(form.left(), 1500);
    form.unload();
}

TEST(Forms, ResizeComesWithTheFirstShowingAndSizeChanges) {
    RecordingForm form;
    form.show();
    EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "Resize"}));
    form.move(0, 0, 6000, 4000);
    EXPECT_EQ(form.events.back(), "Resize");
    form.unload();
}

TEST(Forms, UnloadRunsQueryUnloadThenUnloadThenDestroys) {
    RecordingForm form;
    form.load();
    HWND window = form.hWnd();
    form.unload();
    EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "QueryUnload", "Unload"}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form.loaded());
    form.load();
    EXPECT_EQ(form.events.back(), "Load") << "a form can be loaded again";
    form.unload();
}

TEST(Forms, QueryUnloadCanCancelAClose) {
    RecordingForm form;
    form.show();
    form.cancelUnload = true;
    SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.loaded());
    EXPECT_EQ(form.lastMode, forms::UnloadMode::ControlMenu);
    form.cancelUnload = false;
    SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.loaded());
}

TEST(Forms, AWindowDestroyedFromOutsideStillUnloadsOnce) {
    RecordingForm form(forms::BorderStyle::None);
    form.load();
    form.cancelUnload = true;  // cannot hold a window that is already going
    DestroyWindow(form.hWnd());
    EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "QueryUnload", "Unload"}));
    EXPECT_EQ(form.lastMode, forms::UnloadMode::WindowDestroyed);
    EXPECT_FALSE(form.loaded());
}

TEST(Forms, ModalShowReturnsAfterTheFormUnloads) {
    RecordingForm form;
    forms::Timer closer(form, 30, true, [&form] { PostMessageA(form.hWnd(), WM_CLOSE, 0, 0); });
    form.showModal();
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.events.back(), "Unload");
}

TEST(Timers, TickOnlyWhileEnabledAndNeverOverlap) {
    RecordingForm form(forms::BorderStyle::None);
    int ticks = 0, depth = 0, deepest = 0;
    forms::Timer timer(form, 10, false, [&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        pumpFor(60);  // a nested loop, as a message box inside a handler runs
        --depth;
    });
    form.load();
    pumpFor(100);
    EXPECT_EQ(ticks, 0) << "created disabled";
    timer.setEnabled(true);
    pumpFor(400);
    EXPECT_GT(ticks, 2);
    EXPECT_EQ(deepest, 1);
    timer.setEnabled(false);
    const int stopped = ticks;
    pumpFor(100);
    EXPECT_EQ(ticks, stopped);
    form.unload();
}

TEST(Timers, AnEnabledTimerStartsWithItsFormsWindow) {
    RecordingForm form(forms::BorderStyle::None);
    int ticks = 0;
    forms::Timer timer(form, 20, true, [&] { ++ticks; });
    pumpFor(60);
    EXPECT_EQ(ticks, 0) << "no window, no ticks";
    form.load();
    pumpFor(200);
    EXPECT_GT(ticks, 0);
    form.unload();
}

TEST(WindowlessControls, ArePaintedOverTheKeptDrawingInOrder) {
    RecordingForm form;
    form.load();
    form.drawLine(0, 5, 479, 5, RGB(255, 0, 0));
    forms::ShapeControl frame(form);
    frame.movePixels(10, 20, 30, 30);
    frame.setBorderColour(RGB(0, 0, 255));
    forms::LabelControl label(form);
    label.movePixels(100, 100, 50, 20);
    label.setBackColour(RGB(0, 255, 0));

    EXPECT_EQ(pixelAt(form.hWnd(), 200, 5), RGB(255, 0, 0)) << "kept drawing";
    EXPECT_EQ(pixelAt(form.hWnd(), 200, 50), RGB(192, 192, 192)) << "background";
    EXPECT_EQ(pixelAt(form.hWnd(), 10, 30), RGB(0, 0, 255)) << "shape outline";
    EXPECT_EQ(pixelAt(form.hWnd(), 25, 35), RGB(192, 192, 192)) << "shape not filled";
    EXPECT_EQ(pixelAt(form.hWnd(), 140, 117), RGB(0, 255, 0)) << "opaque label";
    label.setTransparent(true);
    EXPECT_EQ(pixelAt(form.hWnd(), 140, 117), RGB(192, 192, 192)) << "transparent label";
    form.cls();
    EXPECT_EQ(pixelAt(form.hWnd(), 200, 5), RGB(192, 192, 192)) << "cleared";
    form.unload();
}

TEST(WindowlessControls, AnImageShowsItsPictureUnscaledAtItsCorner) {
    RecordingForm form;
    form.load();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const RECT all{0, 0, 4, 4};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(memory, &all, magenta);
    DeleteObject(magenta);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    forms::ImageControl source(form), copy(form);
    source.movePixels(300, 0, 13, 13);
    source.setPicture(std::make_shared<const forms::StoredPicture>(bitmap));
    copy.movePixels(50, 50, 13, 13);
    copy.setPicture(source.picture());
    EXPECT_EQ(pixelAt(form.hWnd(), 53, 53), RGB(255, 0, 255));
    EXPECT_EQ(pixelAt(form.hWnd(), 60, 60), RGB(192, 192, 192)) << "not stretched";
    form.unload();
}

TEST(WindowlessControls, PressesReachTheTopControlWithItsIndex) {
    RecordingForm form;
    form.load();
    forms::ControlArray<forms::LabelControl> rows;
    std::vector<int> pressed;
    for (int index : {1, 0, 2}) {
        forms::LabelControl& row = rows.add(form, index);
        row.movePixels(36, 56 + 20 * static_cast<int>(pressed.size()) + 20 * index, 60, 13);
        row.MouseDown = [&](int element, int button, int, int, int) {
            if (button == forms::kLeftButton) pressed.push_back(element);
        };
    }
    forms::ShapeControl overlay(form);
    overlay.movePixels(0, 0, 400, 200);  // shapes let presses through
    const RECT second = rows(2).pixelRect();
    SendMessageA(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 2, second.top + 2));
    SendMessageA(form.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(second.left + 2, second.top + 2));
    SendMessageA(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(470, 240));
    SendMessageA(form.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(470, 240));
    EXPECT_EQ(pressed, std::vector<int>{2});
    EXPECT_TRUE(rows.has(0));
    EXPECT_FALSE(rows.has(3));
    EXPECT_EQ(rows.find(3), nullptr);
    form.unload();
}

TEST(ComboBoxes, KeepTheirTextWhileItemsAreAppended) {
    RecordingForm form;
    form.load();
    forms::PictureBox panel(form);
    panel.move(180, 240, 6795, 2535);
    forms::ComboBox box(panel);
    box.move(1380, 780, 615, 300);
    box.setText("5");
    box.addItem("");
    for (int i = 1; i <= 30; ++i) box.addItem(std::to_string(i));
    EXPECT_EQ(box.text(), "5");
    EXPECT_EQ(box.listCount(), 31);
    EXPECT_EQ(GetParent(box.hWnd()), panel.hWnd());
    box.setEnabled(false);
    EXPECT_FALSE(box.enabled());
    form.unload();
}
