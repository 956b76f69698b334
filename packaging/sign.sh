#!/usr/bin/env bash
# Signs Windows programs with Authenticode (SHA-256) through osslsigncode, with
# the certificate and key of the PKCS#12 file CORVANE_SIGN_PFX, opened with
# CORVANE_SIGN_PASSWORD. With CORVANE_SIGN_TIMESTAMP_URL it adds the RFC 3161
# time stamp of that server, so the signature stays valid after the certificate
# expires.
# Usage: sign.sh --check      only opens the certificate with its password
#        sign.sh <program>... signs each program in place
#
# The signing time written into the signature is SOURCE_DATE_EPOCH, the time of
# the commit being packaged: without a time stamp the same program signed with
# the same key by the same osslsigncode is the same bytes on every machine. A
# time stamp is the server's own signature of the present time, so it differs
# at every signing.
set -euo pipefail

fail() {
  echo "sign: $*" >&2
  exit 1
}

pfx=${CORVANE_SIGN_PFX:-}
[ -n "$pfx" ] || fail "CORVANE_SIGN_PFX names no certificate"
[ -n "${CORVANE_SIGN_PASSWORD+set}" ] || fail "CORVANE_SIGN_PASSWORD is not set (an empty one is written CORVANE_SIGN_PASSWORD=)"
[ -f "$pfx" ] && [ -r "$pfx" ] || fail "no certificate file $pfx (CORVANE_SIGN_PFX)"

# The password reaches the tools through the environment or a pipe, never a
# command line that any user of the machine can list.
# -legacy also opens files exported with the older ciphers that Windows used.
if ! openssl pkcs12 -in "$pfx" -passin env:CORVANE_SIGN_PASSWORD -legacy -noout 2>/dev/null; then
  fail "cannot open $pfx with CORVANE_SIGN_PASSWORD: a wrong password, or not a PKCS#12 file"
fi
[ "${1:-}" != --check ] || exit 0

time=${SOURCE_DATE_EPOCH:-}
[ -n "$time" ] || fail "SOURCE_DATE_EPOCH gives no signing time"
stamp=()
[ -z "${CORVANE_SIGN_TIMESTAMP_URL:-}" ] || stamp=(-ts "$CORVANE_SIGN_TIMESTAMP_URL")

for program in "$@"; do
  # Into a temporary first: a program is either signed whole or left as it was.
  signed=$program.signing
  rm -f "$signed"
  if ! osslsigncode sign -pkcs12 "$pfx" -readpass <(printf '%s' "$CORVANE_SIGN_PASSWORD") \
      -h sha256 -n Corvane -time "$time" "${stamp[@]}" -in "$program" -out "$signed" >/dev/null; then
    rm -f "$signed"
    fail "could not sign $program"
  fi
  mv -f "$signed" "$program"
done
