#!/usr/bin/env bash
# Signs one PE file in place with osslsigncode, Authenticode with SHA-256, by the key and
# certificate that its options name: `-pkcs12 FILE.pfx` (what `make-release.sh --sign` passes),
# or a key in a hardware token, `-pkcs11module MODULE.so -pkcs11cert URI -key URI`. The .pfx
# file's password or the token's PIN comes from CORVESSA_SIGN_PASSWORD through a pipe
# (-readpass), never on a command line, where every user of the machine could read it.
# Usage: sign_with_osslsigncode.sh OSSLSIGNCODE_OPTION... FILE
set -euo pipefail
file=${!#}
: "${CORVESSA_SIGN_PASSWORD:?must hold the password of the signing key}"
trap 'rm -f "$file.signed"' EXIT
rm -f "$file.signed"
osslsigncode sign "${@:1:$#-1}" -readpass <(printf '%s' "$CORVESSA_SIGN_PASSWORD") \
    -h sha256 -n Corvessa -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"
