// The controls of the settings dialog, by their design names. Positions are in twips relative to
// their container: the dialog, or the panel Pic_C(0).
#pragma once

#include <memory>

#include "combo_box.h"
#include "command_button_win32.h"
#include "control_array.h"
#include "image_control.h"
#include "label_control.h"
#include "picture_box.h"
#include "shape_control.h"

struct VantrelPControls {
    forms::ControlArray<forms::PictureBox> Pic_C;    // (0): the panel of the music settings
    forms::ControlArray<forms::ShapeControl> Shape3;  // (3): frames the heading
    forms::ControlArray<forms::LabelControl> lbl;     // (15) heading, (14) track caption, (7) credit
    forms::ControlArray<forms::ImageControl> Img_BGM;  // markers of the kinds 0, 1, 2
    forms::ControlArray<forms::LabelControl> lbl_BGM;  // names of the kinds 0, 1, 2
    std::unique_ptr<forms::ComboBox> BGM_Repeat;     // the track box
    std::unique_ptr<forms::LabelControl> lbl_Fname;  // the music file
    forms::ControlArray<forms::ImageControl> Img_Ra;  // picture stores beyond the right edge
    std::unique_ptr<Command> Cmd_BGM;  // "...": the music-file chooser (in the panel)
    std::unique_ptr<Command> Cmd_Etc;  // "その他の作品": the web page
    std::unique_ptr<Command> Cmd_Set;  // "設定": save and close
    std::unique_ptr<Command> Cmd_Can;  // "ｷｬﾝｾﾙ": close without saving
};
