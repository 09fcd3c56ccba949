// The front end's forms, one of each for the process. They are made (without windows) in the
// entry after the forms layer and go before it; Main reaches them through vantrelForms().
#pragma once

#include "vantrel_p_win32.h"
#include "vantrel_r_win32.h"
#include "vantrel_s_win32.h"

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
