#!/usr/bin/env bash
# Lays out the demonstration medium in OUT_DIR: Setup.exe, the language
# packs, and the product (the stand-in Lexovant.exe and Uninst.exe, the
# read-me files and the word lists) packed by mkvolumes into at least three
# data volumes. Needs the host and win32 trees built.
# Usage: make-demo-medium.sh OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$1
product=$(mktemp -d)
trap 'rm -rf "$product"' EXIT
cp -r "$root/resources/demo/medium/." "$product/"
cp "$root/build/win32/tools/demo/Lexovant.exe" "$root/build/win32/tools/demo/Uninst.exe" "$product/"
total=$(find "$product" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
rm -rf "$out"
mkdir -p "$out"
# A third of the payload per volume, and room for the headers: four volumes.
"$root/build/host/tools/mkvolumes/mkvolumes" --volume-size $(( total / 3 )) "$product" "$out"
"$root/build/host/tools/mkvolumes/mkvolumes" --verify "$out" "$product"
cp "$root/build/win32/src/setup/Setup.exe" "$root/resources/packs/"*.lng "$out/"
