#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Corvane need.
# Asks apt only when something is missing, so a second run takes about a second.
# Only the 64-bit Wine is installed: 32-bit code cannot execute on these machines,
# so the i386 architecture is never added. Wine's preloader reserves the
# addresses Windows programs need before anything else is loaded; without it
# about one Wine start in a thousand fails with "failed to map the shared user
# data" when the loader's own heap happens to lie there.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  wine wine64 wine64-preloader
  xvfb xauth xdotool imagemagick fonts-wine fonts-crosextra-carlito
  cmake make googletest
  clang libclang-rt-14-dev
  netbase iproute2 cmark-gfm
  nsis zip unzip osslsigncode openssl git
  python3-yaml python3-jsonschema
)

# dpkg-query prints a status line for each known package and nothing for unknown ones.
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for package in "${packages[@]}"; do
  grep -qx "$package installed" <<<"$installed" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all ${#packages[@]} packages present"
  exit 0
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
