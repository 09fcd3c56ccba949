// The saver form: renderer start, music, renderer watch, and the end of the saver.
#include "vantrel_s_win32.h"

#include "command_line.h"
#include "forms_app.h"
#include "music_settings.h"
#include "music_type.h"
#include "program_contract.h"
#include "renderer_watch_win32.h"
#include "vantrel_b_main_win32.h"
#include "vantrel_b_settings_file_win32.h"
#include "vantrel_bgm.h"

Vantrel_S::Vantrel_S()
    : forms::Form(forms::FormDesign{kSaverFormTitle, forms::BorderStyle::None, 0, 0, RGB(0, 0, 0)}),
      Timer1(*this, 1000, false, [this] { Timer1_Timer(); }),
      Timer2(*this, 200, false, [this] { Timer2_Timer(); }),
      Timer3(*this, 50, true, [this] { Timer3_Timer(); }) {}

void Vantrel_S::Form_Load() {
    forms::App& app = forms::App::current();
    RendererPath = ::RendererPath();
    rendererStartedAt_ = GetTickCount64();
    // A failed start leaves no process, which the watch takes as an ended renderer.
    rendererProcess_ = app.startProgram(RendererPath);

    const MusicSettings& settings = musicSettings();
    if (settings.BGM_Kind == 1) {
        CD_Open();
        Timer2.setEnabled(true);  // the disc starts at the first tick
    }
    if (settings.BGM_Kind == 2) {
        switch (musicTypeOf(settings.BGM_File)) {
        case MusicType::Wav:
            WAV_Start();
            break;
        case MusicType::Mp3:
            MP3_Start();
            Timer1.setEnabled(true);
            break;
        case MusicType::None:
            break;
        }
    }
}

void Vantrel_S::Timer1_Timer() { MP3_KeepPlaying(); }

void Vantrel_S::Timer2_Timer() {
    CD_Poll();
    Timer2.setEnabled(CD_PollOK());
}

void Vantrel_S::Timer3_Timer() {
    const RendererWatchReading reading = readRendererWatch(rendererProcess_.get(), rendererStartedAt_);
    WatchVerdict verdict = watch_.tick(reading.seen);
    if (verdict == WatchVerdict::AskRenderer) verdict = watch_.asked(askRenderer(reading.ownWindow));
    if (verdict == WatchVerdict::KeepWatching) return;
    // A renderer that will not let go is ended without waiting for its window: a thread stuck
    // in a driver call dies only when the call returns.
    if (verdict == WatchVerdict::EndRendererAndSaver) endStuckRenderer(rendererProcess_.get());
    Timer3.setEnabled(false);
    unload();
}

void Vantrel_S::Form_QueryUnload(bool&, forms::UnloadMode) {
    // Never cancelled: whatever ends the saver, the music stops and the cursor comes back.
    if (Timer2.enabled()) {
        Timer2.setEnabled(false);
        CD_Stop();
    }
    const MusicSettings& settings = musicSettings();
    if (settings.BGM_Kind == 2) {
        switch (musicTypeOf(settings.BGM_File)) {
        case MusicType::Wav: WAV_Stop(); break;
        case MusicType::Mp3: MP3_Stop(); break;
        case MusicType::None: break;
        }
    }
    forms::App& app = forms::App::current();
    if (modeLetterOf(app.argumentText()) == "S") ShowCursor(TRUE);
    app.end();
}
