#!/usr/bin/env bash
# Signed packages. A throwaway self-signed code-signing certificate made here
# signs the packages of the build's programs; osslsigncode verify then checks
# each signed file against that certificate: both zips' Corvane.exe, an
# uninstaller (as it goes into its installer) and both installers. One changed
# byte in any of them fails the check, and signed again the packages are the
# same bytes. A wrong password, a missing certificate file and a failure
# halfway (an unreachable time-stamp server) stop make-packages.sh with a
# message naming the fault and leave no packages.
# Usage: signing_test.sh <build root> <scratch folder>
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build_root=$1
scratch=$2
version=$("$root/packaging/version.sh")
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# The packages go into a build root of the test's own, made from the build's programs.
rm -rf "$scratch"
mkdir -p "$scratch/root"
ln -s "$build_root/x86_64" "$build_root/i686" "$scratch/root/"
export BUILD_ROOT=$scratch/root
packages=$BUILD_ROOT/packages
unset CORVANE_SIGN_TIMESTAMP_URL

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Corvane test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$scratch/key.pem" -out "$scratch/certificate.pem" 2>/dev/null
export CORVANE_SIGN_PFX=$scratch/signer.pfx CORVANE_SIGN_PASSWORD=throwaway
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/certificate.pem" \
  -out "$CORVANE_SIGN_PFX" -passout env:CORVANE_SIGN_PASSWORD

# Runs make-packages.sh with the given settings over what looks like the
# complete packages of an earlier run: it must fail, say <message>, and leave
# no packages folder.
refused() {
  local what=$1 message=$2 output
  shift 2
  mkdir -p "$packages"
  touch "$packages/Corvane-$version-setup.exe" "$packages/Corvane-$version-SHA256SUMS.txt"
  if output=$(env "$@" "$root/packaging/make-packages.sh" 2>&1); then
    fail "$what: make-packages.sh succeeded"
  elif ! grep -qF "$message" <<<"$output"; then
    fail "$what: make-packages.sh did not say \"$message\":"
    echo "$output"
  fi
  [ ! -e "$packages" ] || fail "$what: make-packages.sh left packages: $(ls "$packages")"
}
refused "a wrong password" "cannot open $CORVANE_SIGN_PFX with CORVANE_SIGN_PASSWORD" \
  CORVANE_SIGN_PASSWORD=wrong
refused "a missing certificate" "no certificate file $scratch/missing.pfx" \
  CORVANE_SIGN_PFX="$scratch/missing.pfx"
# Nothing listens on the discard port: signing fails after the certificate opened.
refused "an unreachable time-stamp server" "could not sign" \
  CORVANE_SIGN_TIMESTAMP_URL=http://127.0.0.1:9/

# Each uninstaller is signed before it goes into its installer, and this copy
# of the last one made is taken after that.
"$root/packaging/make-packages.sh" "-X!uninstfinalize 'cp \"%1\" \"$scratch/Uninstall.exe\"' = 0" >/dev/null
for arch in x86 x64; do
  unzip -q "$packages/Corvane-$version-$arch.zip" Corvane.exe -d "$scratch/$arch"
done
(cd "$packages" && sha256sum --quiet -c "Corvane-$version-SHA256SUMS.txt") ||
  fail "the sums are not those of the signed packages"

verified() {
  osslsigncode verify -CAfile "$scratch/certificate.pem" -in "$1" >"$scratch/verify.txt" 2>&1
}
for signed in "$scratch/x86/Corvane.exe" "$scratch/x64/Corvane.exe" "$scratch/Uninstall.exe" \
    "$packages/Corvane-$version-setup.exe" "$packages/Corvane-$version-setup-allusers.exe"; do
  name=${signed#"$scratch/"}
  if ! verified "$signed"; then
    fail "$name: not signed with the test's certificate:"
    cat "$scratch/verify.txt"
    continue
  fi
  changed=$scratch/changed.exe
  cp "$signed" "$changed"
  middle=$(($(stat -c %s "$changed") / 2))
  byte=$(od -An -tu1 -j "$middle" -N1 "$changed" | tr -d ' ')
  printf "\\$(printf '%03o' $(((byte + 1) % 256)))" | dd of="$changed" bs=1 seek="$middle" conv=notrunc status=none
  ! verified "$changed" || fail "$name: still verifies with byte $middle changed"
done

# Without a time stamp the only time a signature holds is the commit's: signed
# again, seconds later, the packages are the same bytes.
sums=$packages/Corvane-$version-SHA256SUMS.txt
cp "$sums" "$scratch/first-sums.txt"
"$root/packaging/make-packages.sh" >/dev/null
cmp -s "$scratch/first-sums.txt" "$sums" || fail "signed again, the packages differ"

if [ "$failures" -gt 0 ]; then
  echo "signing: $failures failures"
  exit 1
fi
echo "signing: both programs, an uninstaller and both installers verify against the test's certificate, fail with a byte changed and are the same signed again; faults leave no packages"
