// Trials of the saver run with the real Corvessa.scr and Corvessa.dll: many starts and stops by
// a key, and the renderer killed from outside while the music plays.
#include <cstdio>

#include "frontend_scenario.h"
#include "program_contract.h"
#include "saver_run.h"
#include "sound_recording.h"
#include "test_media.h"
#include "trial_support.h"
#include "trials.h"
#include "user_input.h"
#include "windows_probe.h"

namespace trials {
namespace {

constexpr const char kSaverFormTitle[] = "Vantrel_Main";

// One started saver: the front end, its hidden form and the renderer's window.
struct StartedSaver {
    e2e::Process frontEnd;
    HWND saverForm = nullptr;
    HWND renderer = nullptr;

    bool start(const std::string& folder, Timings& toWindow) {
        const double begun = e2e::nowMs();
        if (!frontEnd.start(scenario::saverCommand(folder, "/s"), folder)) return false;
        renderer = e2e::waitForWindow(kRendererWindowTitle, 15000);
        if (renderer) toWindow.add(e2e::nowMs() - begun);
        saverForm = scenario::waitForWindowOfProcess(kSaverFormTitle, frontEnd.id(), 5000);
        return renderer && saverForm;
    }
    bool bothRunning() const { return frontEnd.running() && IsWindow(renderer); }
};

// Keeps a started saver alone for `ms`; false when it ended by itself meanwhile.
bool staysUp(const StartedSaver& saver, DWORD ms) {
    return msUntil([&] { return !saver.bothRunning(); }, ms) < 0;
}

}  // namespace

bool saverCycles(int count) {
    e2e::SaverRun folder("trial saver cycles");
    const std::string music = folder.dir() + "\\cycle tone.mp3";
    e2e::copyMp3Tone(music);
    folder.writeSettings(e2e::MusicSettingsFile{2, 0, music});
    Faults faults{"no renderer window within 15 s", "premature ends", "renderer not closed by the key",
                  "front end outlived the renderer", "cycles that left a process behind"};
    Timings toWindow, keyToAllGone;
    for (int cycle = 0; cycle < count; ++cycle) {
        StartedSaver saver;
        if (!saver.start(folder.dir(), toWindow)) {
            faults.count("no renderer window within 15 s");
        } else if (!staysUp(saver, 1000)) {
            faults.count("premature ends");
        } else {
            e2e::waitForKeyboard(saver.renderer);
            const double pressed = e2e::nowMs();
            e2e::pressKey(saver.renderer, VK_SPACE);
            if (!e2e::waitForNoWindow(kRendererWindowTitle, 5000)) {
                faults.count("renderer not closed by the key");
            } else if (!saver.frontEnd.waitForExit(5000)) {
                faults.count("front end outlived the renderer");
            } else {
                keyToAllGone.add(e2e::nowMs() - pressed);
            }
        }
        saver.frontEnd.kill();
        faults.count("cycles that left a process behind", endLeftovers(3000) > 0);
    }
    std::printf("saver start/stop cycles (real programs, MP3 music, ended by a key after 1 s)\n");
    printFigure("cycles", count);
    faults.print();
    printFigure("start -> renderer window", toWindow.summary());
    printFigure("key -> both processes gone", keyToAllGone.summary());
    return faults.none();
}

bool rendererKills(int count) {
    e2e::SaverRun folder("trial renderer kills");
    const std::string wav = folder.dir() + "\\kill tone.wav";
    const std::string mp3 = folder.dir() + "\\kill tone.mp3";
    e2e::writeToneWav(wav, 1.0);
    e2e::copyMp3Tone(mp3);
    Faults faults{"saver did not start", "front end not gone within 1 s", "cursor shown while the saver ran",
                  "cursor still hidden afterwards", "music heard 0.5 s after the kill",
                  "kills that left a process behind"};
    int silentBefore = 0;
    Timings killToGone, killToSilence;
    for (int cycle = 0; cycle < count; ++cycle) {
        // Every other run plays the MP3, whose player is a device of the front end, not a sound.
        const bool withMp3 = cycle % 2 == 1;
        folder.writeSettings(e2e::MusicSettingsFile{2, 0, withMp3 ? mp3 : wav});
        e2e::SoundRecording recording;
        const bool recorded = recording.start(folder.dir() + "\\kill.wav", 7);
        StartedSaver saver;
        Timings ignored;
        if (!saver.start(folder.dir(), ignored)) {
            faults.count("saver did not start");
            saver.frontEnd.kill();
            endLeftovers(3000);
            continue;
        }
        scenario::CursorCountProbe cursor(GetWindowThreadProcessId(saver.saverForm, nullptr));
        Sleep(2500);  // long enough for the MP3 to be heard after its player opens
        // An unreadable cursor counts against the saver on both sides.
        faults.count("cursor shown while the saver ran", !cursor.attached() || cursor.displayCount() >= 0);
        const std::uint64_t killedAt = recording.mark();
        HANDLE renderer = OpenProcess(PROCESS_TERMINATE, FALSE, e2e::windowProcessId(saver.renderer));
        TerminateProcess(renderer, 9);
        const double killed = e2e::nowMs();
        if (renderer) CloseHandle(renderer);
        const bool ended = saver.frontEnd.waitForExit(5000).has_value();
        const double gone = e2e::nowMs() - killed;
        if (ended) killToGone.add(gone);
        faults.count("front end not gone within 1 s", !ended || gone > 1000);
        faults.count("cursor still hidden afterwards", !cursor.attached() || cursor.displayCount() < 0);
        saver.frontEnd.kill();
        faults.count("kills that left a process behind", endLeftovers(3000) > 0);
        if (recorded) {
            const RecordingLevels levels = recording.finish();
            const double at = levels.secondsAtFileSize(killedAt);
            silentBefore += levels.soundShare(0, at) == 0 ? 1 : 0;
            const double silence = levels.firstSilenceFrom(at);
            if (silence >= 0) killToSilence.add(1000 * (silence - at));
            faults.count("music heard 0.5 s after the kill", levels.peakDb(at + 0.5, levels.duration()) > kSilenceDb);
        }
    }
    std::printf("renderer killed while the saver runs (real programs, WAV and MP3 music in turn)\n");
    printFigure("kills", count);
    faults.print();
    printFigure("kill -> front end gone", killToGone.summary());
    // Without a sound device nothing is heard at all, which says nothing about stopping.
    printFigure("no music heard before the kill", silentBefore);
    printFigure("kill -> silence", killToSilence.summary());
    return faults.none();
}

}  // namespace trials
