#!/usr/bin/env bash
# lngcheck on small packs made here: its lines, dump and exit codes.
# Usage: lngcheck_test.sh LNGCHECK-COMMAND...
set -u
lngcheck=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

# A valid pack with the texts given on standard input after the header
# lines; lines end in CR LF.
pack() {  # pack FILE < lines
  sed 's/$/\r/' > "$1"
}
forty() {  # forty texts, Text 1..Text 40, with given overrides as N=TEXT
  for n in $(seq 1 40); do
    text="Text $n"
    for o in "$@"; do [ "${o%%=*}" = "$n" ] && text="${o#*=}"; done
    printf '%s\n' "$text"
  done
}
expect() {  # expect NAME WANTED-STATUS WANTED-STDOUT-REGEX [WANTED-STDERR-REGEX] -- ARGS
  local name=$1 status=$2 out=$3 err=$4; shift 5
  "${lngcheck[@]}" "$@" > out.txt 2> err.txt
  local got=$?
  tr -d '\r' < out.txt > out2.txt; tr -d '\r' < err.txt > err2.txt
  if [ $got != "$status" ] || { [ -n "$out" ] && ! grep -Eq -- "$out" out2.txt; } || { [ -n "$err" ] && ! grep -Eq -- "$err" err2.txt; } \
     || { [ -z "$err" ] && [ -s err2.txt ]; }; then
    echo "FAIL $name: status $got (wanted $status)"; sed 's/^/  out: /' out2.txt; sed 's/^/  err: /' err2.txt
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

{ printf '%s\n' 'Lexovant Language Pack' 0 ':setup'; forty 12='Welcome %v%' 30='Disk %dn%' 32='File %f%'; echo ':main'; } | pack Good.lng
{ printf '%s\n' 'Lexovant Language Pack' 0 ':setup'; forty; echo ':main'; } | pack NoPlaceholders.lng
{ printf '%s\n' 'Lexovant Language Pack' 0 ':setup'; forty 12='Welcome %v%' 30='Disk %dn%' 32='File %f%'; echo '# end'; echo ':main'; } | pack CommentBeforeMain.lng
{ printf '%s\n' 'Lexovant Language Pack' 0 ':setup' '# 1'; forty 1='A\\b\nc\#\:' 2='' 12='%v%' 30='%dn%' 32='%f%'; echo ':main'; } | pack Escapes.lng
printf 'Lexovant Language Pack\n0\n:setup\n' > LfOnly.lng
printf 'Lexovant Language Pack\r\n1\r\n' > Version1.lng
printf '\x01\x7f\r\n' > Binary.lng

expect "a good pack" 0 '^Good\.lng: ok$' '' -- Good.lng
expect "missing placeholders warn without failing" 0 '^NoPlaceholders\.lng: ok$' \
  'WelcomeText lacks %v%' -- NoPlaceholders.lng
grep -q 'DiskText lacks %dn%' err2.txt && grep -q 'OverwriteText lacks %f%' err2.txt \
  || { echo "FAIL all three placeholders named"; failures=$((failures + 1)); }
expect "comment before :main" 1 '^CommentBeforeMain\.lng: line 44: expected ":main" after the fortieth text$' '' -- CommentBeforeMain.lng
expect "LF line ends" 1 '^LfOnly\.lng: line 1: expected "Lexovant Language Pack"$' '' -- LfOnly.lng
expect "version 1" 1 '^Version1\.lng: line 2: the format version must be 0$' '' -- Version1.lng
expect "one bad file among good ones" 1 '^Version1\.lng: line 2' '' -- Good.lng Version1.lng Escapes.lng
[ "$(grep -c ': ok$' out2.txt)" = 2 ] || { echo "FAIL every file gets its line"; failures=$((failures + 1)); }
expect "a file that cannot be opened" 2 '^Missing\.lng: the file cannot be opened$' '' -- Missing.lng Good.lng
expect "no arguments" 2 '' 'usage' --
expect "unknown option" 2 '' 'usage' -- --frobnicate Good.lng
expect "dump of two files" 2 '' 'usage' -- --dump Good.lng Escapes.lng
expect "dump of a bad file" 1 '^Binary\.lng: line 1:' '' -- --dump Binary.lng

expect "dump" 0 '^01 OkButtonText=A\\\\b\\r\\nc#:$' '' -- --dump Escapes.lng
grep -qx '02 CancelButtonText=' out2.txt && grep -qx '40 UninstallShortcutText=Text 40' out2.txt \
  && [ "$(wc -l < out2.txt)" = 40 ] || { echo "FAIL dump has forty slot lines"; failures=$((failures + 1)); }
printf 'Lexovant Language Pack\r\n0\r\n:setup\r\n' > Control.lng
for n in $(seq 1 40); do printf 'x\ty\x7f\r\n'; done >> Control.lng
printf ':main' >> Control.lng
expect "dump writes control bytes as hex" 0 '^05 BackButtonText=x\\x09y\\x7F$' 'lacks' -- --dump Control.lng

echo "$failures failed"
[ $failures = 0 ]
