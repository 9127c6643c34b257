#!/usr/bin/env bash
# Walks Setup.exe through every page on a virtual screen, as a user would:
# English, agree, the default directory and program folder, install,
# finish. The walker (DemoWalk.exe) and Setup.exe run together on an Xvfb
# of their own in a throwaway copy of the tree's prefix (gui-run.sh). A
# picture of every page goes into SHOTS_DIR as PNG; then it prints where
# the product was installed and the lines of its Install.log, which the
# walker copied out of the prefix before it was thrown away.
# Needs the Windows tree WIN32_TREE (build/win32 by default) built and its
# prefix made (wine-run.sh --start). Exit status 1 when the walk failed.
# Usage: walk-demo.sh MEDIUM_DIR SHOTS_DIR [WIN32_TREE]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
medium=$(cd "$1" && pwd)
mkdir -p "$2"
shots=$(cd "$2" && pwd)
tree=${3:-$root/build/win32}
rm -f "$shots"/*.bmp "$shots"/*.png "$shots"/Install.log "$shots"/walk.txt

echo "== walking Setup.exe on a virtual screen"
set +e
LEXOVANT_GUI_TIMEOUT=150 "$tree/gui-run.sh" "$tree/tools/demo-walk/DemoWalk.exe" "$medium/Setup.exe" "$shots" \
  | tr -d '\r' | tee "$shots/walk.txt"
status=${PIPESTATUS[0]}
set -e
for picture in "$shots"/*.bmp; do
  [ -e "$picture" ] || continue
  convert "$picture" "${picture%.bmp}.png"
  rm "$picture"
done
echo "== pictures of the pages in $shots"
(cd "$shots" && ls -1v -- *.png 2>/dev/null) || true
if [ "$status" != 0 ]; then
  echo "the walk failed (status $status); $shots/failure.png shows the screen at that moment" >&2
  exit 1
fi
dir=$(sed -n 's/^installed in: //p' "$shots/walk.txt")
echo "== Lexovant was installed in $dir (inside the run's throwaway Wine prefix)"
echo "== its Install.log (copied to $shots/Install.log)"
tr -d '\r' < "$shots/Install.log"
