// Program entry of Corvessa.scr: the forms layer and its control types, the forms, Main, then
// the message loop for as long as Main left a form loaded.
#include "command_button_win32.h"
#include "forms/forms_app.h"
#include "vantrel_b.h"
#include "vantrel_forms_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        forms::App app(instance);
        Command::registerType();
        VantrelForms forms;
        Main();
        return app.run();
    } catch (...) {
        // Out of memory at start-up or the like: end quietly, as a saver must.
        return 1;
    }
}
