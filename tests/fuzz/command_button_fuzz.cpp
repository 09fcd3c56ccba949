// Fuzz target: the Command button's state machine and properties, fed any sequence of host
// events and property accesses. Input: one letter an event, some followed by argument bytes:
//   m move   d<b> press and u<b> release of button code b   g got and l lost focus
//   t leave tick   r resize   i Initialize again
//   E<b> write Enabled (b odd: true)   e read it     V<b> write Visible   v read it
//   F<4 bytes> write FontColour   f read it   C<n><n bytes> write Caption   N<b> write Font
//   s save the instance to its store and load it into a new one, as a host reloading its form
//   P<k><n><n bytes> store the text under property k   Q<k> store a font under property k
//   R make a new instance from what P and Q stored
// Every instance is made (fresh, or from a store) and then initialised, as hosts do. Checked:
// ButtonState stays within 1..4 and follows the design's table, written out below; Click comes
// only from a release of any button over an enabled button not in state Selected; while
// disabled nothing but a resize is handled; each repaint takes the gradient direction of its
// state; the first-run rule; a store round trip keeps every property ("Command" coming back as
// "Command1").
#include <memory>
#include <optional>

#include "command_model.h"
#include "fuzz_target.h"

namespace {

using Pictures = std::vector<StatePicture>;

// The input read byte by byte; 0 once it has run out.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }
    std::string text(std::size_t length) {
        std::string out;
        while (more() && out.size() < length) out += static_cast<char>(next());
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// One row of the design's table for an enabled button: the state after, the picture painted.
struct Step {
    std::uint8_t to;
    std::optional<StatePicture> paint;
};
constexpr auto kNone = std::nullopt;
// By the state before, Normal first.
const Step kMove[4] = {{2, StatePicture::HighLight}, {2, kNone}, {4, StatePicture::HighLightSelect}, {4, kNone}};
const Step kMoveWhileHeld[4] = {{2, StatePicture::HighLight}, {2, kNone}, {3, kNone}, {4, kNone}};
const Step kGotFocus[4] = {
    {3, StatePicture::Selected}, {4, StatePicture::Pressed}, {3, StatePicture::Selected}, {3, StatePicture::Selected}};
const Step kLostFocus[4] = {{1, kNone}, {1, StatePicture::Normal}, {1, StatePicture::Normal}, {1, StatePicture::Normal}};
const Step kLeave[4] = {{1, kNone}, {1, StatePicture::Normal}, {3, kNone}, {3, StatePicture::Selected}};
const Step kLeftRelease[4] = {{1, kNone}, {2, StatePicture::Normal}, {3, kNone}, {4, StatePicture::HighLightSelect}};

const forms::FontDescription kAmbientFont{"ＭＳ ゴシック", 12, 700, false, 128};
const forms::FontDescription kFonts[] = {kAmbientFont, forms::FontDescription{},
                                         forms::FontDescription{"Arial", 8.25, 400, true, 0}};
const char* const kPropertyNames[] = {"Enabled", "Caption", "Font", "FirstRun", "FontColour", "Visible"};

// One instance under watch: what it painted, announced and raised since the last look. It
// stands in for the control, whose DrawFace takes the gradient direction first.
struct Watched : CommandView {
    CommandModel model;
    Pictures painted;
    std::vector<std::string> announced;
    int clicks = 0;
    bool lastReversed = false;

    Watched() { model.setView(this); }
    Watched(const Watched&) = delete;
    Watched& operator=(const Watched&) = delete;

    void DrawFace(StatePicture picture) override {
        model.takeGradientDirection();
        const std::uint8_t state = model.fields().ButtonState;
        const bool reversed = state == kStateHighLight || (state == kStateHighLightSelect && lastReversed);
        fuzzCheck(model.fields().GradientReversed == reversed, "a repaint takes its state's gradient direction");
        lastReversed = reversed;
        painted.push_back(picture);
    }
    void showCaption(const CaptionState&) override {}
    void showSurface(bool) override {}
    void showEnabled(bool) override {}
    void announce(const std::string& name) override { announced.push_back(name); }
    void raiseClick() override { ++clicks; }

    void forget() {
        painted.clear();
        announced.clear();
        clicks = 0;
    }
};

std::unique_ptr<Watched> madeFrom(const forms::PropertyStore* store) {
    auto made = std::make_unique<Watched>();
    if (store) made->model.UserControl_ReadProperties(*store, kAmbientFont);
    made->model.Initialize();
    made->forget();
    return made;
}

// A host event on an enabled or disabled button, against the table.
void checkEvent(Watched& w, const CommandFields& before, const Step* table, bool release) {
    const CommandFields& after = w.model.fields();
    if (!before.Enabled) {
        fuzzCheck(w.painted.empty() && w.clicks == 0 && after.ButtonState == before.ButtonState &&
                      after.LeftButtonDown == before.LeftButtonDown,
                  "a disabled button handles nothing but a resize");
        return;
    }
    if (table) {
        const Step& step = table[before.ButtonState - 1];
        fuzzCheck(after.ButtonState == step.to, "the state follows the table");
        fuzzCheck(w.painted == (step.paint ? Pictures{*step.paint} : Pictures{}), "the picture follows the table");
    }
    fuzzCheck(w.clicks == (release && before.ButtonState != kStateSelected ? 1 : 0),
              "Click comes from a release over an enabled button not in state Selected, and only from there");
}

void checkPress(Watched& w, const CommandFields& before, int button) {
    const CommandFields& after = w.model.fields();
    const bool pressed = before.Enabled && button == kLeftButtonCode;
    fuzzCheck(after.ButtonState == before.ButtonState && w.clicks == 0, "a press changes no state and raises nothing");
    fuzzCheck(after.LeftButtonDown == (pressed || before.LeftButtonDown), "the left button is held from its press");
    fuzzCheck(w.painted == (pressed ? Pictures{StatePicture::Pressed} : Pictures{}), "only a left press paints Pressed");
}

// Saving and loading into a new instance keeps every property.
std::unique_ptr<Watched> reloaded(Watched& w) {
    forms::PropertyStore store;
    w.model.UserControl_WriteProperties(store, kAmbientFont);
    std::unique_ptr<Watched> next = madeFrom(&store);
    const CommandModel& a = w.model;
    const CommandModel& b = next->model;
    fuzzCheck(b.fields().Enabled == a.fields().Enabled && b.fields().FirstRun == a.fields().FirstRun,
              "Enabled and FirstRun survive a reload");
    fuzzCheck(b.caption().colour == a.caption().colour && b.opaque() == a.opaque() && b.Font() == a.Font(),
              "FontColour, Visible and Font survive a reload");
    fuzzCheck(b.Caption() == (a.Caption() == "Command" ? std::string("Command1") : a.Caption()),
              "the caption survives a reload, \"Command\" coming back as \"Command1\"");
    return next;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes input(data, size);
    std::unique_ptr<Watched> w = madeFrom(nullptr);
    forms::PropertyStore pending;
    while (input.more()) {
        const char event = static_cast<char>(input.next());
        const CommandFields before = w->model.fields();
        const bool enabled = before.Enabled;
        const std::uint32_t colourBefore = w->model.caption().colour;
        w->forget();
        switch (event) {
        case 'm':
            w->model.UserControl_MouseMove();
            checkEvent(*w, before, before.LeftButtonDown ? kMoveWhileHeld : kMove, false);
            break;
        case 'd': {
            const int button = static_cast<signed char>(input.next());
            w->model.UserControl_MouseDown(button);
            checkPress(*w, before, button);
            break;
        }
        case 'u': {
            const int button = static_cast<signed char>(input.next());
            w->model.UserControl_MouseUp(button);
            checkEvent(*w, before, button == kLeftButtonCode ? kLeftRelease : nullptr, true);
            fuzzCheck(!enabled || w->model.fields().LeftButtonDown == (before.LeftButtonDown && button != kLeftButtonCode),
                      "only the left button's release lets go of it");
            break;
        }
        case 'g': w->model.UserControl_GotFocus(); checkEvent(*w, before, kGotFocus, false); break;
        case 'l': w->model.UserControl_LostFocus(); checkEvent(*w, before, kLostFocus, false); break;
        case 't': w->model.MouseLeave(); checkEvent(*w, before, kLeave, false); break;
        case 'r':
            w->model.UserControl_Resize();
            fuzzCheck(w->painted == Pictures{enabled ? StatePicture::Normal : StatePicture::Disable},
                      "a resize paints Normal, or Disable while disabled, whatever the state");
            break;
        case 'i':
            w->model.Initialize();
            fuzzCheck(w->model.fields().ButtonState == kStateNormal && w->painted.empty(), "Initialize: Normal, unpainted");
            break;
        case 'E': {
            const bool value = (input.next() & 1) != 0;
            w->model.setEnabled(value);
            fuzzCheck(w->model.fields().Enabled == value && w->model.fields().ButtonState == before.ButtonState,
                      "writing Enabled keeps the state");
            fuzzCheck(w->painted == Pictures{value ? StatePicture::Normal : StatePicture::Disable} &&
                          w->announced == std::vector<std::string>{"Enabled"},
                      "writing Enabled paints its face and announces it");
            break;
        }
        case 'e': {
            const bool value = w->model.Enabled();
            const bool firstRun = before.FirstRun == 0;
            fuzzCheck(value == (firstRun || enabled) && w->model.fields().Enabled == value,
                      "the first read of a never-initialised instance enables it");
            fuzzCheck(w->model.fields().FirstRun == (firstRun ? 1 : before.FirstRun), "a read of Enabled ends the first run");
            fuzzCheck(!w->painted.empty() && w->painted.back() == (value ? StatePicture::Normal : StatePicture::Disable),
                      "reading Enabled paints its face");
            break;
        }
        case 'V': {
            const bool value = (input.next() & 1) != 0;
            w->model.setVisible(value);
            fuzzCheck(w->model.opaque() == value && w->announced == std::vector<std::string>{"Visible"},
                      "writing Visible sets the surface and announces it");
            fuzzCheck(w->painted == (value && enabled ? Pictures{StatePicture::Normal} : Pictures{}),
                      "an opaque surface is repainted Normal");
            break;
        }
        case 'v':
            fuzzCheck(w->model.Visible() == w->model.opaque(), "Visible reads the surface");
            fuzzCheck(w->painted == (w->model.opaque() && enabled ? Pictures{StatePicture::Normal} : Pictures{}),
                      "reading Visible as true repaints Normal");
            break;
        case 'F': {
            std::uint32_t colour = 0;
            for (int i = 0; i < 4; ++i) colour = colour << 8 | input.next();
            w->model.setFontColour(colour);
            const bool forcedBlack = enabled && before.FirstRun == 0;
            fuzzCheck(w->model.caption().colour == (forcedBlack ? 0u : colour),
                      "the colour written stays, but black on a never-initialised enabled instance");
            break;
        }
        case 'f':
            fuzzCheck(w->model.FontColour() == colourBefore, "FontColour reads the caption's colour");
            fuzzCheck(w->painted == (enabled ? Pictures{StatePicture::Normal} : Pictures{}), "reading FontColour repaints Normal");
            break;
        case 'C': {
            const std::string caption = input.text(input.next());
            w->model.setCaption(caption);
            fuzzCheck(w->model.Caption() == caption && w->painted.empty(), "a caption is taken as it is, unpainted");
            break;
        }
        case 'N': w->model.setFont(kFonts[input.next() % 3]); break;
        case 's': w = reloaded(*w); break;
        case 'P': {
            const char* name = kPropertyNames[input.next() % 6];
            pending.write(name, input.text(input.next()));
            break;
        }
        case 'Q': pending.write(kPropertyNames[input.next() % 6], kFonts[input.next() % 3]); break;
        case 'R': w = madeFrom(&pending); break;
        default: break;
        }
        const std::uint8_t state = w->model.fields().ButtonState;
        fuzzCheck(state >= kStateNormal && state <= kStateHighLightSelect, "ButtonState stays within 1..4");
        if (event != 'u') fuzzCheck(w->clicks == 0, "nothing but a release raises Click");
    }
    return 0;
}
