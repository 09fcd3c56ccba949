// Module Vantrel_B, its top: the entry Main with its dispatch, and the front end's forms, one of
// each for the process. The settings file and the routines the forms share are the module's
// lower half (shared/vantrel_b_settings_file_win32.h, shared/vantrel_b_routines_win32.h).
#pragma once

#include "vantrel_p_win32.h"
#include "vantrel_r_win32.h"
#include "vantrel_s_win32.h"

// The one message the front end shows: the renderer is not beside it (CP932 in the program).
inline constexpr const char* kRendererMissingText = "Corvessa.dll が Corvessa.scr と同じﾌｫﾙﾀﾞに見つかりません！";

// Decides the mode and opens its window, or ends the process.
void Main();

// The forms are made (without windows) in the entry after the forms layer and go before it;
// Main reaches them through vantrelForms().
struct VantrelForms {
    VantrelForms();
    ~VantrelForms();
    VantrelForms(const VantrelForms&) = delete;
    VantrelForms& operator=(const VantrelForms&) = delete;

    Vantrel_S saver;
    Vantrel_R preview;
    Vantrel_P settings;
};

VantrelForms& vantrelForms();
