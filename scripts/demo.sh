#!/usr/bin/env bash
# The main job: sets up the machine, builds Setup.exe and the demonstration
# medium, checks its volumes and language packs, and runs Setup.exe on it
# (from the medium's folder: the volumes are looked up in the current one).
# With a DISPLAY it opens there for the user (in a Wine prefix of the
# demo's own, build/demo-prefix); without one the walker goes
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
  # A prefix of the demo's own, so that what Setup.exe installs (files,
  # shortcuts, registry) never reaches the prefix that every test copies.
  # It stays between runs: a second run finds the first installation.
  # Made as gui-run.sh makes its copies: hard links, the registry copied.
  prefix=$root/build/demo-prefix
  if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    cp -al build/win32/wineprefix/. "$prefix/"
    rm -f "$prefix/wineserver"
    for f in system.reg user.reg userdef.reg; do cp --remove-destination "build/win32/wineprefix/$f" "$prefix/$f"; done
  fi
  status=0
  (cd "$medium" && WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine Setup.exe) || status=$?
  WINEPREFIX="$prefix" wineserver -w
  echo "Setup.exe ran in the prefix $prefix and ended with status $status"
else
  bash scripts/walk-demo.sh "$medium" build/demo-screens
fi
