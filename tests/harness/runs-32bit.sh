#!/usr/bin/env bash
# Tells whether this machine runs 32-bit x86 programs: exit 0 when it does, else one line on
# stdout saying why not and exit 1. With `wine` it also needs Wine's 32-bit half (wine32).
# CORVESSA_NO_32BIT=1 makes it answer as a machine that cannot.
# Usage: runs-32bit.sh [wine]
set -uo pipefail

if [ "${CORVESSA_NO_32BIT:-0}" = 1 ]; then
    echo "32-bit programs do not run here (CORVESSA_NO_32BIT=1)"
    exit 1
fi

# A static i386 program of 96 bytes that needs no package: ELF header, one loadable segment
# (the whole file at 0x08048000), then `mov eax,1; mov ebx,42; int 0x80`, the exit system
# call with 42. Only a kernel that runs 32-bit code gives 42 back.
probe=$(mktemp "${TMPDIR:-/tmp}/corvessa-i386-probe.XXXXXX" 2>/dev/null) ||
    { echo "32-bit programs cannot be probed here: no temporary file"; exit 1; }
trap 'rm -f "$probe"' EXIT
{
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0'         # 32-bit, little-endian
    printf '\2\0\3\0\1\0\0\0'                         # an executable for i386
    printf '\124\200\4\010\064\0\0\0\0\0\0\0\0\0\0\0' # entry 0x08048054, program header at 52
    printf '\064\0\040\0\1\0\0\0\0\0\0\0'             # header sizes, one program header
    printf '\1\0\0\0\0\0\0\0\0\200\4\010\0\200\4\010' # PT_LOAD of offset 0 at 0x08048000
    printf '\140\0\0\0\140\0\0\0\5\0\0\0\0\020\0\0'   # 96 bytes, read and execute
    printf '\270\1\0\0\0\273\052\0\0\0\315\200'       # the code
} >"$probe"
chmod +x "$probe"
{ "$probe"; } 2>/dev/null
rc=$?
if [ "$rc" -ne 42 ]; then
    echo "32-bit programs do not run here (the kernel's answer to a static i386 program: exit $rc)"
    exit 1
fi

if [ "${1:-}" = wine ] && [ ! -e /usr/lib/i386-linux-gnu/wine/i386-unix/ntdll.so ]; then
    echo "32-bit Windows programs do not run here: Wine's 32-bit half (wine32:i386) is not installed"
    exit 1
fi
exit 0
