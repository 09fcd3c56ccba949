#!/usr/bin/env bash
# A signed release as a publisher makes it and a user gets it: a throw-away CA and a code-signing
# certificate it issued; the test builds' programs packed and signed with it, through the
# packaging targets, into a folder of their own (make-packages.sh); then every PE file a user
# runs verifies against that CA: the zips' programs, the installer, and the programs and the
# uninstaller the installer puts in place under Wine. The zips' programs, their signatures
# removed, are the unsigned packages' bytes.
# Usage: signed_packages_test.sh STATE_DIR WIN32_TREE WIN64_TREE PROBE32_EXE
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
state=$1 win32=$2 win64=$3 probe=$4
rm -rf "$state"
mkdir -p "$state"
cd "$state"
status=0
fail() { echo "$*"; status=1; }
verify() {
    osslsigncode verify -CAfile ca.pem -in "$1" >verify.log 2>&1 || fail "$1 does not verify: $(tail -n 3 verify.log)"
}

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Corvessa test CA" -keyout ca.key -out ca.pem \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=Corvessa test publisher" -keyout signer.key -out signer.csr 2>/dev/null
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -out signer.pem \
    -extfile <(printf 'keyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n') 2>/dev/null
export CORVESSA_SIGN_PASSWORD=throw-away
# The signed twin of the unsigned packages under test, made at their time.
export SOURCE_DATE_EPOCH=$(cat "$win64/packaging/source_date_epoch")
openssl pkcs12 -export -in signer.pem -inkey signer.key -out signer.pfx -passout env:CORVESSA_SIGN_PASSWORD
"$top/scripts/make-packages.sh" --sign-command "$top/packaging/sign_with_osslsigncode.sh -pkcs12 $state/signer.pfx" \
    "$win32" "$win64" packages >packages.log 2>&1 || { cat packages.log; exit 1; }

declare -A unsigned_tree=([win32]=$win32 [win64]=$win64)
for build in win32 win64; do
    unzip -q packages/$build/Corvessa-*.zip -d $build
    for program in Corvessa.scr Corvessa.dll; do
        verify $build/$program
        osslsigncode remove-signature -in $build/$program -out $build/$program.unsigned >/dev/null
        cmp -s $build/$program.unsigned "${unsigned_tree[$build]}/packaging/staging/$program" ||
            fail "$build/$program, its signature removed, is not the unsigned package's"
    done
done
setups=("$state"/packages/win64/Corvessa-*-setup.exe "$state/packages/win64/packaging/setup-amd64-test.exe")
verify "${setups[0]}"
verify "${setups[1]}"

source "$top/tests/release/installer_session.sh" "$state/wine" "$probe" "${setups[@]}"
"$harness/wine-run.sh" "$setup" /S || fail "the signed installer failed"
installed=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Corvessa' -type d)
for program in Uninstall.exe Corvessa.scr Corvessa.dll; do
    verify "$installed/$program"
done
[ $status = 0 ] && echo "every PE file of the signed packages verifies, the installed uninstaller too"
exit $status
