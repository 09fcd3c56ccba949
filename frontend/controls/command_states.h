// The Command button's hover, focus and press machine: what each host event does to the
// fields of an instance, which state picture it paints, and when it raises Click; and the
// direction of the background gradient each repaint takes. Portable.
//
// ButtonState: 1 Normal (no focus, pointer elsewhere), 2 HighLight (pointer over it, no focus),
// 3 Selected (focus, pointer elsewhere), 4 HighLightSelect (focus and pointer over it).
// Pressed and Disable are pictures only. Button codes are the platform's: 1 is the left button.
#pragma once

#include <cstdint>
#include <optional>

// The six state pictures, each a complete face of 64 x 25 pixels.
enum class StatePicture { HighLight, Pressed, Normal, Disable, HighLightSelect, Selected };

enum ButtonStateValue : std::uint8_t {
    kStateNormal = 1,
    kStateHighLight = 2,
    kStateSelected = 3,
    kStateHighLightSelect = 4,
};

inline constexpr int kLeftButtonCode = 1;

// The fields of one instance; all start at zero when it is made.
struct CommandFields {
    bool Enabled = false;           // reacts to the mouse and the focus
    std::uint8_t FirstRun = 0;      // 0: never initialised
    std::uint8_t ButtonState = 0;   // a ButtonStateValue once initialised
    bool LeftButtonDown = false;    // the left button went down on the control, not yet up
    bool GradientReversed = false;  // false: white at the top, lavender grey at the bottom
};

// What an event asks of the control: the picture to paint (if any), and whether to raise Click
// (after the painting).
struct Reaction {
    std::optional<StatePicture> paint;
    bool click = false;
};

// The host events; every one does nothing while Enabled is false.
Reaction onMouseMove(CommandFields& fields);
Reaction onMouseDown(CommandFields& fields, int button);
Reaction onMouseUp(CommandFields& fields, int button);
Reaction onGotFocus(CommandFields& fields);
Reaction onLostFocus(CommandFields& fields);
// The pointer was found elsewhere by the leave timer.
Reaction onMouseLeave(CommandFields& fields);

// The first step of every repaint: Normal and Selected paint white at the top, HighLight
// lavender grey; HighLightSelect keeps the direction of the repaint before.
void takeGradientDirection(CommandFields& fields);
