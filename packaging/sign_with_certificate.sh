#!/usr/bin/env bash
# Signs one PE file in place with Authenticode, SHA-256, by the certificate and key of a
# PKCS#12 file (.pfx): the signing command of `make-release.sh --sign`. The file's password
# comes from CORVESSA_SIGN_PASSWORD through a pipe (-readpass), never on a command line, where
# every user of the machine could read it.
# Usage: sign_with_certificate.sh CERTIFICATE.pfx FILE
set -euo pipefail
certificate=$1 file=$2
: "${CORVESSA_SIGN_PASSWORD:?must hold the password of $certificate}"
trap 'rm -f "$file.signed"' EXIT
rm -f "$file.signed"
osslsigncode sign -pkcs12 "$certificate" -readpass <(printf '%s' "$CORVESSA_SIGN_PASSWORD") \
    -h sha256 -n Corvessa -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"
