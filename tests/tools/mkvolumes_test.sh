#!/usr/bin/env bash
# mkvolumes as a release engineer runs it: make, list, verify, and every
# refusal with its exit status and message.
# Usage: mkvolumes_test.sh MKVOLUMES-COMMAND...
set -u
mk=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0

expect() {  # expect NAME WANTED-STATUS STDOUT-REGEX STDERR-REGEX -- ARGS
  local name=$1 status=$2 out=$3 err=$4; shift 5
  "${mk[@]}" "$@" > out.txt 2> err.txt
  local got=$?
  tr -d '\r' < out.txt > out2.txt; tr -d '\r' < err.txt > err2.txt
  if [ $got != "$status" ] || { [ -n "$out" ] && ! grep -Eq -- "$out" out2.txt; } \
     || { [ -n "$err" ] && ! grep -Eq -- "$err" err2.txt; } || { [ -z "$err" ] && [ -s err2.txt ]; }; then
    echo "FAIL $name: status $got (wanted $status)"; sed 's/^/  out: /' out2.txt; sed 's/^/  err: /' err2.txt
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

mkdir -p src/Data/Sub
head -c 3000 /dev/urandom > src/Lexovant.exe
head -c 777 /dev/urandom > src/Data/Sub/words.wdl
: > src/Data/empty.txt
printf 'x' > src/ReadMe.txt

# Round trips for several volume sizes, down to the smallest that works:
# the longest header (Data\Sub\words.wdl, 18 + 5 bytes) and the last byte.
for size in "" 100000 1000 107 30 24; do
  args=(); [ -n "$size" ] && args=(--volume-size "$size")
  out=out${size:-one}
  expect "make ${size:-one volume}" 0 '^4 files, 3778 bytes in [0-9]+ volumes$' '' -- "${args[@]}" src "$out"
  for v in "$out"/Setup.d*; do
    [ -z "$size" ] || [ "$(stat -c %s "$v")" -le "$size" ] || { echo "FAIL $v is larger than $size"; failures=$((failures + 1)); }
  done
  expect "list ${size:-one volume}" 0 "^total 3778 bytes in $(ls "$out" | wc -l) volumes$" '' -- --list "$out"
  expect "verify ${size:-one volume}" 0 'holds exactly the files' '' -- --verify "$out" src
done
[ "$(ls outone)" = Setup.d01 ] || { echo "FAIL without --volume-size there is more than one volume"; failures=$((failures + 1)); }
"${mk[@]}" --list out107 | tr -d '\r' > list.txt
printf '%s\n' '777 1 Data\Sub\words.wdl' '0 8 Data\empty.txt' '3000 8 Lexovant.exe' '1 37 ReadMe.txt' 'total 3778 bytes in 37 volumes' \
  | diff - list.txt > /dev/null || { echo "FAIL list lines:"; cat list.txt; failures=$((failures + 1)); }
expect "one byte too small" 1 '' 'too small for the entry of Data\\Sub\\words.wdl, which needs 24' -- --volume-size 23 src tiny
[ ! -e tiny ] || { echo "FAIL a refusal left files behind"; failures=$((failures + 1)); }

# Media that do not match their source, or are damaged.
cp -r out107 broken
printf 'y' > src/ReadMe.txt
expect "verify a changed file" 1 '' 'ReadMe.txt differs from the source' -- --verify out107 src
rm broken/Setup.d05
expect "list a broken chain" 1 '' 'Setup.d05' -- --list broken
cp -r out1000 truncated
truncate -s -10 truncated/Setup.d04
expect "list a truncated chain" 1 '' 'Setup.d04' -- --list truncated
cp -r outone inconsistent
printf '\x00\x00\x01\x00' | dd of=inconsistent/Setup.d01 bs=1 conv=notrunc 2>/dev/null
expect "list a wrong total size" 1 '' 'Setup.d' -- --list inconsistent
expect "list nothing" 1 '' 'Setup.d01' -- --list nowhere

# Refusals.
mkdir -p bad1 bad2/sub bad3 bad4
: > bad1/CON.txt
: > bad2/sub/'trailing.'
printf 'a' > bad3/install.LOG
head -c 2000 /dev/urandom > bad4/f
expect "device name" 1 '' 'CON.txt has the device name' -- bad1 o1
expect "trailing dot" 1 '' 'ends in a dot or a blank' -- bad2 o2
expect "the log's name" 1 '' 'would replace the install log' -- bad3 o3
expect "more than 255 volumes" 1 '' 'more than 255 volumes' -- --volume-size 7 bad4 o4
if truncate -s 2G big.tmp 2>/dev/null; then
  mkdir -p bad5 && mv big.tmp bad5/big
  expect "a file of 2 GiB" 1 '' 'big is 2 GiB or larger' -- bad5 o5
  mkdir -p bad6 && truncate -s 1200M bad6/a && truncate -s 1200M bad6/b
  expect "a total of 2^31" 1 '' '2\^31 bytes or more' -- bad6 o6
  rm -rf bad5 bad6
fi
expect "missing source" 1 '' 'Could not list' -- nosuchdir o7
expect "bad usage" 2 '' 'usage' -- --volume-size x src o8
expect "no arguments" 2 '' 'usage' --

echo "$failures failures"
[ $failures = 0 ]
