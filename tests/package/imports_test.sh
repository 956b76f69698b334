#!/usr/bin/env bash
# Both Corvane.exe builds import statically only "known DLLs": the libraries
# Windows always takes from the system folder. A library named in the import
# table is loaded before any of Corvane's code runs, and any other one from
# Corvane's own folder first when a file of that name lies there; with
# administrator rights when Corvane runs with them. Such libraries are
# delay-loaded instead (app/CMakeLists.txt): a new static import of one fails
# here, and so does a delay-loaded function whose slot holds no loading thunk.
# Usage: imports_test.sh <build root>
set -euo pipefail

build_root=$1
root=$(cd "$(dirname "$0")/../.." && pwd)

# The known DLLs of Windows 10 and 11: the values of the registry key
# HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs, which
# Microsoft's "Dynamic-link library search order" names as their list, as
# both systems ship it (the wow64* and xtajit entries serve the 32-bit and
# x86-on-ARM layers; no program imports them). ntdll.dll is not among
# them: the system maps it into every process before anything else.
known="advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32 msctf msvcrt
normaliz nsi ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32 wow64
wow64cpu wow64win wowarmhw ws2_32 xtajit"

failures=0
for target in x86_64 i686; do
  exe=$build_root/$target/app/Corvane.exe
  if [ ! -f "$exe" ]; then
    echo "FAILED: no $exe"
    failures=$((failures + 1))
    continue
  fi
  imports=$("$target-w64-mingw32-objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p')
  if [ -z "$imports" ]; then
    echo "FAILED: objdump lists no import of $exe"
    failures=$((failures + 1))
  fi
  for library in $imports; do
    name=$(tr '[:upper:]' '[:lower:]' <<<"${library%.*}")
    if ! grep -qw -- "$name" <<<"$known"; then
      echo "FAILED: the $target Corvane.exe imports $library, which is not a known DLL"
      failures=$((failures + 1))
    fi
  done
  python3 "$root/tests/package/delay_imports.py" "$exe" "$root"/app/delay-load/*.def || failures=$((failures + 1))
done

if [ "$failures" -gt 0 ]; then
  echo "program imports: $failures failures"
  exit 1
fi
echo "program imports: both builds import known DLLs only"
