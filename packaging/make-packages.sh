#!/usr/bin/env bash
# Makes Corvane's packages from both builds in $BUILD_ROOT (x86_64 and i686) into
# $BUILD_ROOT/packages: a portable zip for each, the two installers that hold
# both (for the current user, and for all users), the SHA-256 sums of the
# four, and the manifests winget and Scoop install them from. With CORVANE_SIGN_PFX and CORVANE_SIGN_PASSWORD set, both programs, the
# uninstallers and the installers are signed first (sign.sh).
# Usage: make-packages.sh [makensis options for the installers...]
#
# The same commit gives the same bytes whatever the folder, the time, the time
# zone, the user or the umask: every time stored is the last commit's
# (SOURCE_DATE_EPOCH, when not given), every mode is fixed, and the zips list
# their files in one order. A failure leaves no packages folder at all.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
BUILD_ROOT=$(cd "${BUILD_ROOT:-$root/build}" && pwd)
export BUILD_ROOT
version=$("$here/version.sh")
packages=$BUILD_ROOT/packages
staging=$BUILD_ROOT/packages-staging

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if ! SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null); then
    echo "packages: no git history to take the last commit's time from: set SOURCE_DATE_EPOCH" >&2
    exit 1
  fi
fi
export SOURCE_DATE_EPOCH

rm -rf "$packages" "$staging"
if [ -n "${CORVANE_SIGN_PFX:-}" ]; then
  "$here/sign.sh" --check
  echo "packages: signing with $CORVANE_SIGN_PFX${CORVANE_SIGN_TIMESTAMP_URL:+, time stamps from $CORVANE_SIGN_TIMESTAMP_URL}"
else
  echo "packages: not signed (set CORVANE_SIGN_PFX and CORVANE_SIGN_PASSWORD to sign)"
fi

trap 'rm -rf "$staging"' EXIT
mkdir -p "$staging/out"
# makensis leaves its temporary files behind when a step fails.
export TMPDIR=$staging

# Each folder holds what the program reads beside itself, at its top level: a
# zip's, since Windows offers to extract a zip into a folder named after it;
# the installers take their files from both.
for pair in x86:i686 x64:x86_64; do
  arch=${pair%%:*}
  build=$BUILD_ROOT/${pair#*:}/app
  folder=$staging/$arch
  mkdir -p "$folder/guide"
  cp "$build/Corvane.exe" "$build/skin.smf" "$build/USER-GUIDE.html" "$folder/"
  cp "$build"/guide/*.png "$folder/guide/"
  # CRLF, so that every Notepad shows the lines.
  sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$here/README.txt" >"$folder/README.txt"
  [ -z "${CORVANE_SIGN_PFX:-}" ] || "$here/sign.sh" "$folder/Corvane.exe"
  find "$folder" -type f -exec chmod 644 {} +
  find "$folder" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
  # zip stores local times: in UTC they are the same everywhere.
  (cd "$folder" && find . -type f -printf '%P\n' | LC_ALL=C sort |
    TZ=UTC zip -q -X -D -@ "$staging/out/Corvane-$version-$arch.zip")
done

"$here/make-installer.sh" "$staging/out/Corvane-$version-setup.exe" "$staging/x64" "$staging/x86" "$@"
"$here/make-installer.sh" --all-users "$staging/out/Corvane-$version-setup-allusers.exe" "$staging/x64" "$staging/x86" "$@"

names=("Corvane-$version-x86.zip" "Corvane-$version-x64.zip" "Corvane-$version-setup.exe"
  "Corvane-$version-setup-allusers.exe")
(cd "$staging/out" && sha256sum "${names[@]}" >"Corvane-$version-SHA256SUMS.txt")
# The manifests of winget and Scoop, from the files and sums above; the sums
# do not list them (make-manifests.py).
"$here/make-manifests.py" "$staging/out" "$version"
mv "$staging/out" "$packages"
echo "packages: $packages"
ls -l "$packages"
