#!/usr/bin/env bash
# Signs one PE file in place, as the packages' signing is set: CORVESSA_SIGN_COMMAND run as
# `COMMAND FILE` (shell words: sign_with_osslsigncode.sh for a certificate file or a hardware
# token, or the client of a signing service), then, where CORVESSA_SIGN_TIMESTAMP names a
# time-stamp server, that server's stamp on the signature. The staging and makensis's
# !finalize and !uninstfinalize run it with both set on their command lines
# (packaging/CMakeLists.txt). Fails unless the file ends up signed.
# Usage: sign_file.sh FILE
set -euo pipefail
file=$1
: "${CORVESSA_SIGN_COMMAND:?names no signing command}"
trap 'rm -f "$file.stamped" "$file.signature"' EXIT
rm -f "$file.stamped" "$file.signature"

bash -c "$CORVESSA_SIGN_COMMAND \"\$1\"" corvessa-sign "$file"
if [ -n "${CORVESSA_SIGN_TIMESTAMP:-}" ]; then
    osslsigncode add -ts "$CORVESSA_SIGN_TIMESTAMP" -h sha256 -in "$file" -out "$file.stamped" >/dev/null
    mv -f "$file.stamped" "$file"
fi
# A command that ends well without signing must not leave an unsigned program in a signed
# release.
if ! osslsigncode extract-signature -in "$file" -out "$file.signature" >/dev/null 2>&1; then
    echo "sign_file.sh: $file carries no signature after: $CORVESSA_SIGN_COMMAND" >&2
    exit 1
fi
