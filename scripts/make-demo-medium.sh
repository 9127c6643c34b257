#!/usr/bin/env bash
# Lays out the demonstration medium in OUT_DIR: Setup.exe, the language
# packs, and the product (the stand-in Lexovant.exe and Uninst.exe, the
# read-me files and the word lists) packed by mkvolumes into at least three
# data volumes. Takes everything from the Windows tree WIN32_TREE
# (build/win32 by default), which must be built, and runs its mkvolumes.exe
# in the tree's prefix (wine-run.sh --start first).
# Usage: make-demo-medium.sh OUT_DIR [WIN32_TREE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$1
tree=${2:-$root/build/win32}
mkvolumes=("$tree/wine-run.sh" "$tree/tools/mkvolumes/mkvolumes.exe")
product=$(mktemp -d)
trap 'rm -rf "$product"' EXIT
cp -r "$root/resources/demo/medium/." "$product/"
cp "$tree/tools/demo/Lexovant.exe" "$tree/tools/demo/Uninst.exe" "$product/"
total=$(find "$product" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
rm -rf "$out"
mkdir -p "$out"
# A third of the payload per volume, and room for the headers: four volumes.
"${mkvolumes[@]}" --volume-size $(( total / 3 )) "$product" "$out" | tr -d '\r'
"${mkvolumes[@]}" --verify "$out" "$product" | tr -d '\r'
cp "$tree/src/setup/Setup.exe" "$root/resources/packs/"*.lng "$out/"
