// The settings dialog's frame.
#include "vantrel_p_win32.h"

#include "vantrel_b.h"

Vantrel_P::Vantrel_P()
    : forms::Form(forms::FormDesign{kSettingsFormTitle, forms::BorderStyle::FixedSingle, 7185, 3780,
                                    RGB(192, 192, 192)}) {}
