# Sourced by the scripts of this folder: what they all open with, and what several share.
# Strict mode, and the repository's top folder as the working folder (the folder the script was
# started in, for paths on its command line, is $started_in); then
#   at_exit STEP                  runs STEP when the script ends, however it ends
#   make_work_folder              a temporary folder in $work, removed at the end
#   build_preset [--fresh] PRESET [TARGET...]
#                                 configures PRESET and builds TARGETs (all when none)
#   build_preset_quietly ...      the same, showing the build's lines only when it fails
#   read_base_option ARG...       --base REV into $base, the other arguments into $options
#   wine_session [--monitors N] STATE
#                                 a Wine session of the tests' harness in STATE, for this shell
set -euo pipefail
started_in=$PWD
cd "$(dirname "${BASH_SOURCE[0]}")/.."
harness=$PWD/tests/harness
jobs=$(nproc)

# The steps run in the reverse order of their registration, each whatever the others did; a
# step registered twice runs once.
_exit_steps=()
_run_exit_steps() {
    local step
    for step in "${_exit_steps[@]}"; do eval "$step" || true; done
}
trap _run_exit_steps EXIT
at_exit() {
    local step
    for step in "${_exit_steps[@]}"; do [ "$step" != "$1" ] || return 0; done
    _exit_steps=("$1" "${_exit_steps[@]}")
}

make_work_folder() {
    work=$(mktemp -d)
    at_exit "rm -rf $(printf %q "$work")"
}

build_preset() {
    local fresh=()
    if [ "$1" = --fresh ]; then fresh=(--fresh); shift; fi
    local preset=$1
    shift
    cmake --preset "$preset" "${fresh[@]}" >/dev/null &&
        cmake --build --preset "$preset" -j "$jobs" ${1:+--target "$@"}
}

build_preset_quietly() {
    local log status=0
    log=$(mktemp)
    build_preset "$@" >"$log" 2>&1 || status=$?
    [ $status -eq 0 ] || cat "$log" >&2
    rm -f "$log"
    return $status
}

# The scripts that measure take --base REV: the commit whose figures come beside today's.
# `usage` is the script's usage line, for usage_error.
read_base_option() {
    base= options=()
    while [ $# -gt 0 ]; do
        case $1 in
        --base) [ $# -ge 2 ] || usage_error; base=$2; shift 2 ;;
        *) options+=("$1"); shift ;;
        esac
    done
}
usage_error() {
    echo "usage: $usage" >&2
    exit 2
}

# Starts the session (prefix, virtual display, PulseAudio null sink; with --monitors N, Xorg's
# dummy driver with N monitors and no sound) in the folder STATE, registers its end, and gives
# this shell its environment (tests/harness/wine-env.sh: WINEPREFIX, DISPLAY, WINE_LOCALE, ...).
# CORVESSA_SCREEN and CORVESSA_SOUND set for the call shape the single-monitor session. Fails
# when the session does not start (a several-monitor one says why in STATE/skipped).
wine_session() {
    local script=session.sh count=()
    if [ "$1" = --monitors ]; then script=monitors-session.sh count=("$2"); shift 2; fi
    mkdir -p "$1"
    local state
    state=$(cd "$1" && pwd)
    at_exit "$(printf %q "$harness/$script") stop $(printf %q "$state") >/dev/null 2>&1"
    "$harness/$script" start "$state" "${count[@]}" >/dev/null || return
    source "$harness/wine-env.sh" "$state"
}
