#!/usr/bin/env bash
# The main job: sets up the machine, builds Setup.exe and checks the language
# packs that ship beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh host win32
medium=build/medium
mkdir -p "$medium"
cp build/win32/src/setup/Setup.exe resources/packs/*.lng "$medium"/
echo "== the medium in $medium"
ls -l "$medium"
echo "== the language packs"
build/host/tools/lngcheck/lngcheck "$medium"/*.lng
echo "== Setup.exe"
i686-w64-mingw32-objdump -p "$medium/Setup.exe" | grep -E 'file format|^Subsystem'
build/win32/wine-run.sh --start
status=0
build/win32/wine-run.sh "$medium/Setup.exe" || status=$?
echo "Setup.exe ended with status $status"
build/win32/wine-run.sh --stop
exit $status
