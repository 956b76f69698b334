#!/usr/bin/env bash
# The all-users installer's script, as makensis reads it with its macros and
# includes expanded: on 64-bit Windows both its installer and its
# uninstaller, 32-bit programs, switch to the registry's 64-bit view, and the
# installer installs into the 64-bit Program Files folder. Where Wine has no
# 32-bit side the installer tests build the script into 64-bit programs,
# which see that view and that folder anyway: without this check a lost
# SetRegView 64 or $PROGRAMFILES64 could pass every test there.
# Usage: allusers_script_test.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

expanded=$(makensis -PPO -INPUTCHARSET UTF8 -DVERSION=0.0.0 -DX64_FOLDER=x64 -DX86_FOLDER=x86 -DOUTFILE=setup.exe \
  "$root/packaging/CorvaneAllUsers.nsi")

# The lines of one function of the expanded script.
function_body() {
  awk -v name="$1" '$1 == "Function" && $2 == name { inside = 1; next } inside && $1 == "FunctionEnd" { exit } inside' \
    <<<"$expanded"
}

installer=$(function_body .onInit)
uninstaller=$(function_body un.onInit)
[ -n "$installer" ] || fail "no .onInit function"
[ -n "$uninstaller" ] || fail "no un.onInit function"
grep -qx 'SetRegView 64' <<<"$installer" || fail ".onInit does not switch to the 64-bit registry view"
grep -qx 'SetRegView 64' <<<"$uninstaller" || fail "un.onInit does not switch to the 64-bit registry view"
grep -qF 'StrCpy $INSTDIR "$PROGRAMFILES64\' <<<"$installer" ||
  fail ".onInit does not install into the 64-bit Program Files folder"

if [ "$failures" -gt 0 ]; then
  echo "all-users script: $failures failures"
  exit 1
fi
echo "all-users script: installer and uninstaller use the 64-bit registry view, the installer the 64-bit Program Files"
