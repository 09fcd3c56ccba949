// Form Vantrel_S: the hidden saver form titled "Vantrel_Main". It starts the renderer and the
// music, watches for the renderer's window every 50 ms, and when the renderer is gone stops the
// music, gives the cursor back and ends the process.
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
    forms::UniqueHandle rendererProcess_;  // kept only to notice a renderer that has died
    std::uint64_t rendererStartedAt_ = 0;  // GetTickCount64 at the start, ms
    RendererWatch watch_;

    forms::Timer Timer1;  // 1000 ms: keeps an MP3 playing
    forms::Timer Timer2;  // 200 ms: the CD watcher
    forms::Timer Timer3;  // 50 ms: the renderer watch
};
