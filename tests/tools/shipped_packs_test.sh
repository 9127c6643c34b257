#!/usr/bin/env bash
# The packs that ship with the product load, with no warning.
# Usage: shipped_packs_test.sh PACK-DIR LNGCHECK-COMMAND...
set -u
dir=$1; shift
packs=("$dir"/*.lng)
[ ${#packs[@]} -ge 2 ] || { echo "no packs in $dir"; exit 1; }
failures=0
for pack in "${packs[@]}"; do
  out=$("$@" "$pack" 2>&1 | tr -d '\r')
  if [ "$out" = "$pack: ok" ]; then echo "ok   $pack"; else echo "FAIL $out"; failures=$((failures + 1)); fi
  # Every pack fills all forty slots; the shortcut names must be file names.
  dump=$("$@" --dump "$pack" 2>/dev/null | tr -d '\r')
  for slot in 38 39 40; do
    name=$(printf '%s\n' "$dump" | grep "^$slot " | cut -d= -f2-)
    if [ -z "$name" ] || printf '%s' "$name" | grep -q '[\\/:*?"<>|]'; then
      echo "FAIL $pack: slot $slot is no file name: '$name'"; failures=$((failures + 1))
    fi
  done
done
[ $failures = 0 ]
