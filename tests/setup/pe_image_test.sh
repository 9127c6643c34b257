#!/usr/bin/env bash
# Setup.exe is a 32-bit Windows GUI program that needs no DLL of the
# compiler's beside it. Usage: pe_image_test.sh SETUP.EXE OBJDUMP
set -u
exe=$1 objdump=$2
headers=$("$objdump" -p "$exe") || exit 1
failures=0
check() { if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi; }
check "PE32 for i386" 'grep -q "file format pei-i386" <<<"$headers"'
check "GUI subsystem" 'grep -Eq "^Subsystem[[:space:]]+00000002" <<<"$headers"'
dlls=$(grep -i 'DLL Name:' <<<"$headers" | awk '{print tolower($3)}' | sort -u)
echo "imports: $(echo $dlls)"
check "no MinGW runtime DLL" '! grep -Eq "libstdc|libgcc|libwinpthread|mingw" <<<"$dlls"'
[ $failures = 0 ]
