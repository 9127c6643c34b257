#!/usr/bin/env bash
# The main job: sets up the machine, builds Setup.exe and the demonstration
# medium, checks its volumes and language packs, and runs Setup.exe on it
# (from the medium's folder: the volumes are looked up in the current one).
# With a DISPLAY it opens there for the user; without one the walker goes
# through every page on a virtual screen and leaves a picture of each in
# build/demo-screens (scripts/walk-demo.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/build.sh host win32
build/win32/wine-run.sh --start
trap 'build/win32/wine-run.sh --stop' EXIT
medium=build/medium
bash scripts/make-demo-medium.sh "$medium"
echo "== the medium in $medium"
ls -l "$medium"
echo "== the data volumes"
build/host/tools/mkvolumes/mkvolumes --list "$medium"
echo "== the language packs"
build/host/tools/lngcheck/lngcheck "$medium"/*.lng
echo "== Setup.exe"
i686-w64-mingw32-objdump -p "$medium/Setup.exe" | grep -E 'file format|^Subsystem'
if [ -n "${DISPLAY:-}" ]; then
  status=0
  (cd "$medium" && "$root/build/win32/wine-run.sh" Setup.exe) || status=$?
  echo "Setup.exe ran and ended with status $status"
else
  bash scripts/walk-demo.sh "$medium" build/demo-screens
fi
