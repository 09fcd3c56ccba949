# Sourced by the tests that install under Wine: a Wine prefix and an Xvfb of their own in STATE,
# the prefix made afresh so that nothing of another test leaks in, ended when the test ends;
# then `setup` names the installer to run, and a line says which. The shipped installer's stub
# is 32-bit code: where this machine's Wine cannot run a 32-bit program, the same script built
# with a 64-bit stub (never shipped) stands in for it.
# Arguments: STATE PROBE32_EXE SETUP_EXE SETUP_AMD64_TEST_EXE
harness=$(cd "$(dirname "${BASH_SOURCE[0]}")/../harness" && pwd)
_state=$1 _probe=$2 setup=$3
for _f in "$3" "$4"; do
    [ -f "$_f" ] || { echo "no installer $_f: build the target installer first"; exit 1; }
done

# Wine would mirror the installer's Start-menu entry into this machine's own desktop menus, in
# the home folder, outside the prefix.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
"$harness/session.sh" stop "$_state" >/dev/null
rm -rf "$_state/prefix"
trap '"$harness/session.sh" stop "$_state" >/dev/null' EXIT
CORVESSA_SOUND=0 "$harness/session.sh" start "$_state" >/dev/null
source "$harness/wine-env.sh" "$_state"

# The machine's answer first (it honours CORVESSA_NO_32BIT), then Wine's own.
if ! _reason=$("$harness/runs-32bit.sh" wine); then
    setup=$4
elif ! "$harness/wine-run.sh" "$_probe" >/dev/null 2>&1; then
    _reason="this machine's Wine does not run 32-bit Windows programs"
    setup=$4
fi
if [ "$setup" = "$4" ]; then
    echo "installer: the test build with a 64-bit stub ($_reason)"
else
    echo "installer: the shipped one, with its 32-bit stub"
fi
