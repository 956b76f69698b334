#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Corvane need.
# Asks apt only when something is missing, so a second run takes about a second.
# Wine's 32-bit side (wine32, from the i386 architecture, added here) comes too
# where this machine executes 32-bit code (scripts/ia32.sh): it runs the 32-bit
# program and its tests. Once it is there the plain `wine` is its 32-bit
# loader, which hands 64-bit programs on to wine64. CORVANE_WINE32=no leaves it
# out, for a machine whose Wine others share. Wine's preloaders reserve the
# addresses Windows programs need before anything else is loaded; without them
# about one Wine start in a thousand fails with "failed to map the shared user
# data" when the loader's own heap happens to lie there.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/ia32.sh"

packages=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  wine wine64 wine64-preloader
  xvfb xauth xdotool imagemagick fonts-wine fonts-crosextra-carlito
  cmake make googletest binutils
  clang libclang-rt-14-dev
  netbase iproute2 cmark-gfm
  nsis zip unzip osslsigncode openssl git
  python3-yaml python3-jsonschema
)
packages32=(wine32:i386 wine32-preloader:i386)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# The packages of the list given that are not installed. dpkg-query prints a
# status line for each known package and nothing for unknown ones.
missing_of() {
  local installed package
  installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "$@" 2>/dev/null || true)
  for package in "$@"; do
    grep -qx "${package%:*} installed" <<<"$installed" || echo "$package"
  done
}

# install <apt-get install options...> <packages...>
install() {
  echo "setup: installing $*"
  # A list that fails to download (a mirror in the middle of a sync) leaves
  # apt the others: the install says whether they hold what is needed.
  "${sudo[@]}" apt-get update -qq || echo "setup: apt could not refresh every package list; going on with those it has"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"
}

missing32=()
mapfile -t missing < <(missing_of "${packages[@]}")
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"

if ! corvane_runs_32bit_code; then
  echo "setup: this machine cannot execute 32-bit code (a tiny 32-bit program was refused): no wine32, and no test runs the 32-bit program"
elif [ "${CORVANE_WINE32:-}" = no ] && ! corvane_wine32_installed; then
  echo "setup: wine32 left out (CORVANE_WINE32=no): no test runs the 32-bit program"
else
  mapfile -t missing32 < <(missing_of "${packages32[@]}")
  if [ ${#missing32[@]} -gt 0 ]; then
    dpkg --print-foreign-architectures | grep -qx i386 || "${sudo[@]}" dpkg --add-architecture i386
    # Without it only the 32-bit layer is lost: every other layer still runs.
    # Wine's 32-bit side needs the i386 twin of each library at the version
    # installed; where a mirror lacks one, apt must not remove packages to
    # make room for it.
    install --no-remove "${missing32[@]}" ||
      echo "setup: WINE32 COULD NOT BE INSTALLED (apt failed; see above): no test runs the 32-bit program"
  fi
fi
[ $((${#missing[@]} + ${#missing32[@]})) -gt 0 ] || echo "setup: all packages present"
