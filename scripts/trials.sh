#!/usr/bin/env bash
# Fault and load trials of the real programs under Wine: saver start/stop cycles, renderer
# kills, the settings dialog opened and closed, and one open dialog worked for its GDI objects
# and handles. Runs in a Wine session of its own (prefix, Xvfb, PulseAudio null sink in
# build/win64/trials) and ends exactly that session afterwards.
# Prints figures; exit status 1 when a trial saw what must never happen.
# Usage: scripts/trials.sh [trial[=count] ...]
#   trials: saver-cycles, renderer-kills, settings-open-cancel, settings-gdi-handles
source "$(dirname "$0")/lib.sh"
scripts/install-deps.sh test
build_preset_quietly win64 fault_trials
wine_session build/win64/trials
# Wine's sound driver reports the MIDI sequencer this machine lacks; that is not the trials' news.
tests/harness/wine-run.sh build/win64/bin/fault_trials.exe "$@" |
    tr -d '\r' | grep -v '^ALSA lib .*snd_seq'
