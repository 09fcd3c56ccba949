// Form Vantrel_P: the settings dialog titled "<Corvessa>". For now an empty modal form of the
// dialog's size and frame; its title already marks an open dialog for a second start.
#pragma once

#include "forms/form.h"

class Vantrel_P : public forms::Form {
public:
    Vantrel_P();
};
