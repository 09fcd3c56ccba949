// Program entry of Corvessa.scr: the forms layer and its control types, the forms, Main, then
// the message loop for as long as Main left a form loaded.
#include "command_button_win32.h"
#include "forms_app.h"
#include "vantrel_b_main_win32.h"

namespace {

// The title of the front end's message boxes, and the prefix of its window classes.
forms::AppIdentity corvessaIdentity() { return forms::AppIdentity{"Corvessa (ScreenSaver)", "Corvessa"}; }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        forms::App app(instance, corvessaIdentity());
        Command::registerType();
        VantrelForms forms;
        Main();
        return app.run();
    } catch (...) {
        // Out of memory at start-up or the like: end quietly, as a saver must.
        return 1;
    }
}
