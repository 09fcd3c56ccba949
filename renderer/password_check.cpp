// The password round trip, independent of how the platform provides the dialog.
#include "password_check.h"

bool runPasswordCheck(PasswordSystem& system, CloseRules& rules) {
    if (!system.asksForPassword()) return true;
    std::unique_ptr<PasswordVerifier> verifier = system.openVerifier();
    // A system without the dialog lets the saver close without a question.
    if (!verifier) return true;
    system.announceSaverRunning(true);
    rules.passwordCheckStarted();
    bool mayClose = verifier->verify();
    rules.passwordCheckEnded();
    system.announceSaverRunning(false);
    return mayClose;  // the verifier, and with it the library, is released after this
}
