#!/usr/bin/env bash
# Setup.exe is a 32-bit Windows GUI program that needs no DLL of the
# compiler's beside it, imports only KnownDLLs, runs from swap when started
# from removable or network media, and carries its manifest and version.
# Usage: pe_image_test.sh SETUP.EXE OBJDUMP
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
# shell32 is KnownDLL too, but it loads its own dependencies from the
# program's folder: its functions are looked up after the DLL search is
# restricted, never imported.
known="advapi32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll ole32.dll"
check "only KnownDLLs imported, and not shell32" 'for d in $dlls; do [[ " $known " == *" $d "* ]] || exit 1; done'
characteristics=$((16#$(sed -nE 's/^Characteristics[[:space:]]+0x([0-9a-f]+)/\1/p' <<<"$headers")))
check "runs from swap on removable media" '(( characteristics & 0x400 ))'
check "runs from swap on network media" '(( characteristics & 0x800 ))'
manifest=$(grep -ao '<assembly.*' "$exe" | head -c 4000; tr -d '\0' <"$exe" | grep -ao 'requestedExecutionLevel level="[a-zA-Z]*"')
check "manifest asks for administrator" 'grep -q "level=\"requireAdministrator\"" <<<"$manifest"'
supported=$(tr -d '\0' <"$exe" | grep -ao 'supportedOS Id="[^"]*"' | sort -u | wc -l)
check "manifest names Windows 7 to 11 (4 entries)" '[ "$supported" = 4 ]'
check "manifest binds common controls 6" 'tr -d "\0" <"$exe" | grep -aq "Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""'
check "manifest declares DPI awareness" 'tr -d "\0" <"$exe" | grep -aq "<dpiAware[^>]*>true</dpiAware>"'
version=$(strings -el "$exe")
check "version resource" 'grep -q "^Lexovant Setup$" <<<"$version" && grep -q "^1.0.0.0$" <<<"$version" && grep -q "^Setup.exe$" <<<"$version"'
[ $failures = 0 ]
