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
if [ -n "${DISPLAY:-}" ]; then
  build/win32/wine-run.sh "$medium/Setup.exe"
  echo "Setup.exe ran and ended with status $?"
else
  # No screen here: run it on an Xvfb of its own for a few seconds.
  LEXOVANT_GUI_TIMEOUT=5 build/win32/gui-run.sh "$medium/Setup.exe"
  echo "Setup.exe ran on a virtual screen until it was stopped (status $?)"
fi
build/win32/wine-run.sh --stop
