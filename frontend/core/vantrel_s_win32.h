// Form Vantrel_S: the hidden saver form titled "Vantrel_Main". It starts the renderer and the
// music, watches for the renderer's window every 50 ms, and when the renderer is gone stops the
// music, gives the cursor back and ends the process. A renderer that stops answering while the
// user acts is ended first (renderer_watch.h).
#pragma once

#include <cstdint>
#include <string>

#include "form.h"
#include "renderer_watch.h"
#include "timer.h"

// The title that marks a running saver.
inline constexpr const char* kSaverFormTitle = "Vantrel_Main";

class Vantrel_S : public forms::Form {
public:
    Vantrel_S();

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    std::string RendererPath;
    // Kept to notice a renderer that has died, to tell its window from another program's, and
    // to end one that keeps the screen from the user.
    forms::UniqueHandle rendererProcess_;
    std::uint64_t rendererStartedAt_ = 0;  // GetTickCount64 at the start, ms
    RendererWatch watch_;

    forms::Timer Timer1;  // 1000 ms: keeps an MP3 playing
    forms::Timer Timer2;  // 200 ms: the CD watcher
    forms::Timer Timer3;  // 50 ms: the renderer watch
};
