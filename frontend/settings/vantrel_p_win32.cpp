// The settings dialog: its controls, loading, the kind rows, the file chooser, saving,
// cancelling, the web page, the painted gradients and the closing zoom.
#include "vantrel_p_win32.h"

#include <shellapi.h>

#include <functional>
#include <optional>

#include "corvessa_version.h"
#include "dialog_geometry.h"
#include "dialog_save.h"
#include "forms_app.h"
#include "marker_pictures.h"
#include "music_file_chooser_win32.h"
#include "music_kind_view.h"
#include "music_settings.h"
#include "system_text.h"
#include "track_box_rules.h"
#include "vantrel_b_routines_win32.h"
#include "vantrel_b_settings_file_win32.h"
#include "vantrel_p_controls_win32.h"

namespace {

constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr const char* kCreditLine = "Corvessa Version " CORVESSA_VERSION_TEXT;

// A transparent label in the dialog's font.
forms::LabelControl& placeLabel(forms::LabelControl& label, int left, int top, int width, int height,
                                const char* caption) {
    label.move(left, top, width, height);
    label.setCaption(caption);
    label.setTransparent(true);
    return label;
}

// A Command button as the dialog stores it: only its caption and font; its size and place are
// the dialog's.
std::unique_ptr<Command> placeCommand(forms::Container& host, const char* caption, int left, int top, int width,
                                      int height, int tabIndex, std::function<void()> click) {
    forms::PropertyStore saved;
    saved.write("Caption", std::string(caption));
    saved.write("Font", forms::FontDescription{});
    std::unique_ptr<Command> button = forms::createUserControlAs<Command>(Command::kTypeName, host, &saved);
    if (!button) return nullptr;
    button->move(left, top, width, height);
    button->setTabIndex(tabIndex);
    button->Click = std::move(click);
    return button;
}

struct MarkerPictureIds {
    int notSelected;
    int selected;
};

// The marker pictures drawn for the screen's scale.
MarkerPictureIds markerPictureIds(int dotsPerInch) {
    switch (markerPictureSize(dotsPerInch)) {
    case 15: return {IDB_MARKER_OFF_15, IDB_MARKER_ON_15};
    case 18: return {IDB_MARKER_OFF_18, IDB_MARKER_ON_18};
    case 24: return {IDB_MARKER_OFF_24, IDB_MARKER_ON_24};
    default: return {IDB_MARKER_OFF, IDB_MARKER_ON};
    }
}

COLORREF colourOf(const RowColour& row) {
    return RGB(row.red, row.green, row.blue);
}

// Lines over the whole width of the container, one per gradient row.
template <class Colour>
void paintGradient(forms::Container& area, Colour rowColour) {
    const int width = area.scaleWidth();
    const std::vector<int> levels = gradientLevels(area.scaleHeight());
    for (size_t y = 0; y < levels.size(); ++y) {
        const int row = static_cast<int>(y);
        area.drawLine(0, row, width, row, colourOf(rowColour(levels[y])));
    }
}

}  // namespace

void SetCommandState(forms::Form& form, bool initialize, bool enable) {
    for (Command* button : commandButtonsOn(form)) {
        if (initialize) {
            button->Initialize();
        } else {
            button->setEnabled(enable);
        }
    }
}

Vantrel_P::Vantrel_P()
    : forms::Form(forms::FormDesign{kSettingsFormTitle, forms::BorderStyle::FixedSingle, 7185, 3780, kLightGrey}) {}

Vantrel_P::~Vantrel_P() = default;

void Vantrel_P::makeControls() {
    controls_ = std::make_unique<VantrelPControls>();
    VantrelPControls& c = *controls_;
    forms::App& app = forms::App::current();

    forms::PictureBox& panel = c.Pic_C.add(*this, 0);
    panel.move(180, 240, 6795, 2535);
    // The first stop of the tab order, so that no button shows focus when the dialog opens.
    panel.setTabIndex(1);

    forms::ShapeControl& frame = c.Shape3.add(panel, 3);
    frame.move(300, 300, 1695, 315);
    frame.setBorderColour(RGB(0, 0, 0));
    frame.setBorderWidth(1);

    placeLabel(c.lbl.add(panel, 15), 300, 360, 1665, 195, "BGM").setAlignment(forms::TextAlignment::Centre);

    // The rows lie in the order 1, 0, 2 from the top; the index is the kind.
    constexpr int kRowTop[kMusicKindCount] = {1140, 840, 1440};
    constexpr int kNameWidth[kMusicKindCount] = {345, 645, 900};
    constexpr const char* kName[kMusicKindCount] = {"無し", "音楽CD", "MP3、WAV"};
    for (int kind : {1, 0, 2}) {
        forms::ImageControl& marker = c.Img_BGM.add(panel, kind);
        marker.move(300, kRowTop[kind], 195, 195);
        marker.MouseDown = [this](int index, int button, int shift, int x, int y) {
            Img_BGM_MouseDown(index, button, shift, x, y);
        };
        forms::LabelControl& name = placeLabel(c.lbl_BGM.add(panel, kind), 540, kRowTop[kind], kNameWidth[kind], 195,
                                               kName[kind]);
        name.setAutoSize(true);
        name.MouseDown = [this](int index, int button, int shift, int x, int y) {
            lbl_BGM_MouseDown(index, button, shift, x, y);
        };
        if (kind == 1) {
            c.BGM_Repeat = std::make_unique<forms::ComboBox>(panel);
            c.BGM_Repeat->move(1380, 780, 615, 300);
            c.BGM_Repeat->setTabIndex(2);
            placeLabel(c.lbl.add(panel, 14), 2040, 840, 990, 195, "曲目をﾘﾋﾟｰﾄ").setAutoSize(true);
        }
    }

    c.lbl_Fname = std::make_unique<forms::LabelControl>(panel);
    placeLabel(*c.lbl_Fname, 1020, 1740, 5355, 495, "").setBorder(true);
    c.Cmd_BGM = placeCommand(panel, "...", 540, 1740, 435, 315, 9, [this] { Cmd_BGM_Click(); });

    forms::LabelControl& credit = placeLabel(c.lbl.add(*this, 7), 180, 2940, 2475, 195, kCreditLine);
    credit.setForeColour(kWhite);
    credit.setAutoSize(true);

    c.Cmd_Etc = placeCommand(*this, "その他の作品", 2880, 3000, 1875, 375, 12, [this] { Cmd_Etc_Click(); });
    c.Cmd_Set = placeCommand(*this, "設定", 4800, 3000, 1095, 375, 10, [this] { Cmd_Set_Click(); });
    c.Cmd_Can = placeCommand(*this, "ｷｬﾝｾﾙ", 5940, 3000, 1035, 375, 11, [this] { Cmd_Can_Click(); });

    // Beyond the right edge of the client area: they only hold the two marker pictures.
    const MarkerPictureIds markers = markerPictureIds(app.dpiY());
    forms::ImageControl& notSelected = c.Img_Ra.add(*this, 0);
    notSelected.move(8040, 300, 180, 180);
    notSelected.setPicture(forms::loadBitmapResource(app.instance(), markers.notSelected));
    forms::ImageControl& selected = c.Img_Ra.add(*this, 1);
    selected.move(8040, 600, 180, 180);
    selected.setPicture(forms::loadBitmapResource(app.instance(), markers.selected));
}

void Vantrel_P::Form_Load() {
    makeControls();
    VantrelPControls& c = *controls_;
    forms::App& app = forms::App::current();
    MusicSettings& settings = musicSettings();

    const DialogPosition position =
        dialogPosition(app.screenWidthTwips(), app.screenHeightTwips(), width(), height());
    move(position.left, position.top, width(), height());

    SetCommandState(*this, true, true);
    showMusicKind();

    c.BGM_Repeat->setText(trackBoxText(settings.BGM_RepeatTrack));
    for (const std::string& entry : trackBoxEntries()) c.BGM_Repeat->addItem(entry);
    c.lbl_Fname->setCaption(settings.BGM_File);

    POINT pointer{};
    CursorPosition& cursor = CursorPoint();
    if (GetCursorPos(&pointer)) {
        cursor.X = static_cast<std::int16_t>(pointer.x);
        cursor.Y = static_cast<std::int16_t>(pointer.y);
    } else {
        cursor = CursorPosition{};
    }
    ZoomFromCursor(hWnd());
    app.setMousePointer(forms::MousePointer::Default);
}

void Vantrel_P::showMusicKind() {
    VantrelPControls& c = *controls_;
    const MusicKindView view = musicKindViewOf(musicSettings().BGM_Kind);
    if (c.Cmd_BGM) c.Cmd_BGM->setEnabled(false);
    c.BGM_Repeat->setEnabled(false);
    const forms::Picture& notSelected = c.Img_Ra(0).picture();
    c.Img_BGM.forEach([&](forms::ImageControl& marker) { marker.setPicture(notSelected); });
    if (forms::ImageControl* marker = c.Img_BGM.find(view.selectedMarker)) marker->setPicture(c.Img_Ra(1).picture());
    if (view.trackBoxEnabled) c.BGM_Repeat->setEnabled(true);
    if (view.fileButtonEnabled && c.Cmd_BGM) c.Cmd_BGM->setEnabled(true);
}

void Vantrel_P::Img_BGM_MouseDown(int index, int, int, int, int) {
    musicSettings().BGM_Kind = static_cast<std::int16_t>(index);
    showMusicKind();
}

void Vantrel_P::lbl_BGM_MouseDown(int index, int button, int shift, int x, int y) {
    Img_BGM_MouseDown(index, button, shift, x, y);
}

void Vantrel_P::Cmd_BGM_Click() {
    const std::optional<std::string> chosen = chooseMusicFile(hWnd(), forms::App::current().instance());
    if (!chosen) return;  // cancelled, failed, or a path no ANSI text names: the previous file stays
    musicSettings().BGM_File = *chosen;
    controls_->lbl_Fname->setCaption(musicSettings().BGM_File);
}

void Vantrel_P::Cmd_Set_Click() {
    forms::App& app = forms::App::current();
    const std::string path = SettingsPath();
    SettingsFile settingsFile(path);
    switch (saveDialogChoices(settingsFile, musicSettings(), controls_->BGM_Repeat->text())) {
    case SaveOutcome::Saved:
        unload();
        return;
    case SaveOutcome::TrackOutOfRange:
        app.msgBox(kTrackOutOfRangeText, hWnd());
        return;
    case SaveOutcome::WriteFailed:
        showSaveFailed(path);
        return;
    }
}

void Vantrel_P::showSaveFailed(const std::string& settingsPath) {
    forms::App& app = forms::App::current();
    const std::optional<std::wstring> unicodeOnly = app.unicodeOnlyPath(settingsPath);
    if (forms::systemShowsProgramText() && !unicodeOnly) {
        app.msgBox(saveFailedText(settingsPath), hWnd());
        return;
    }
    // The message's own words are CP932, the path is in the system's code page (or has none).
    const std::wstring path = unicodeOnly ? *unicodeOnly : forms::wideOfAnsi(settingsPath);
    app.msgBox(forms::wideOfProgramText(kSaveFailedHead) + path + forms::wideOfProgramText(kSaveFailedTail), hWnd());
}

void Vantrel_P::Cmd_Can_Click() { unload(); }

void Vantrel_P::Cmd_Etc_Click() {
    forms::App& app = forms::App::current();
    app.setMousePointer(forms::MousePointer::Hourglass);
    // Whether a browser opened is not looked at: there is nothing the dialog could do about it.
    ShellExecuteA(hWnd(), "open", kOtherWorksAddress, "", "", SW_SHOWNORMAL);
    app.setMousePointer(forms::MousePointer::Default);
}

void Vantrel_P::Form_Resize() {
    paintGradient(*this, dialogRowColour);
    if (forms::PictureBox* panel = controls_ ? controls_->Pic_C.find(0) : nullptr) paintGradient(*panel, panelRowColour);
}

void Vantrel_P::Form_Unload() {
    // Into the position recorded at load, not where the pointer is now.
    ZoomToCursor(hWnd());
}
