#!/usr/bin/env bash
# The extraction benchmark (not a test): for each payload it builds media
# with mkvolumes, extracts them through the real progress dialog under Wine
# (ExtractHost, onto the prefix's C: drive), writes the same files with the
# two plainest Win32 ways (plainwrite: CopyFileA from the payload folder, and
# CreateFileA + WriteFile + CloseHandle from memory) onto the same drive, and
# prints the times, their ratios, the dialog's peak memory and the longest
# time one synchronised step kept the user-interface thread.
#   bash bench/run.sh [large|small ...]   (both by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh win32 >/dev/null
win=build/win32
guirun=$win/gui-run.sh
mkvolumes=$win/tools/mkvolumes/mkvolumes.exe
host=$win/tests/extract/ExtractHost.exe
plain=$win/bench/plainwrite.exe
pack=resources/packs/English.lng
# The base prefix that gui-run.sh copies: made by the Wine fixture.
[ -f "$win/wineprefix/system.reg" ] || { "$win/wine-run.sh" --start; "$win/wine-run.sh" --stop; }
export LEXOVANT_GUI_TIMEOUT=900

work=$(mktemp -d "$root/build/bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
winpath() { local p=$1; echo "Z:${p//\//\\}"; }
field() { tr -d '\r' < "$1" | awk -v k="$2" '$1 == k { print $2 }'; }
plainms() { tr -d '\r' | awk '$1 == "files" { print $6 }'; }

cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(large small)
for kind in "${cases[@]}"; do
  payload=$work/payload-$kind medium=$work/medium-$kind
  bash bench/make_payload.sh "$kind" "$payload"
  bytes=$(find "$payload" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
  files=$(find "$payload" -type f | wc -l)
  case $kind in
    large) volumes=4 ;;
    small) volumes=3 ;;
  esac
  # Headers cost the name plus five bytes a file; a little under a third
  # (or quarter) of the whole per volume gives exactly that many volumes.
  size=$(( (bytes + files * 40) * 10 / (volumes * 10 - 1) ))
  mkdir -p "$medium"
  "$win/wine-run.sh" "$mkvolumes" --volume-size "$size" "$(winpath "$payload")" "$(winpath "$medium")" >/dev/null
  made=$(ls "$medium" | grep -c '^Setup\.d')

  # The dialog, run in the medium's folder as Setup.exe is.
  (cd "$medium" && "$root/$guirun" "$root/$host" "$(winpath "$root/$pack")" 'C:\Bench\Lexovant' \
     "$(winpath "$work/report-$kind.txt")" >/dev/null 2>&1) || true
  report=$work/report-$kind.txt
  [ "$(field "$report" result)" = 1 ] || { echo "$kind: the extraction did not end with OK" >&2; cat "$report" >&2 || true; exit 1; }
  extract=$(field "$report" ms)
  copy=$("$guirun" "$plain" copy "$(winpath "$payload")" 'C:\BenchCopy' 2>/dev/null | plainms)
  write=$("$guirun" "$plain" write "$(winpath "$payload")" 'C:\BenchWrite' 2>/dev/null | plainms)
  awk -v kind="$kind" -v files="$files" -v bytes="$bytes" -v volumes="$made" -v e="$extract" -v c="$copy" -v w="$write" \
      -v peak="$(field "$report" peakworkingset)" -v step="$(field "$report" longeststep_us)" \
      -v steps="$(field "$report" steps)" -v steptime="$(field "$report" steptime_us)" 'BEGIN {
    printf "%s: %d files, %d bytes, %d volumes\n", kind, files, bytes, volumes
    printf "  extraction %d ms; CopyFileA %d ms; CreateFileA+WriteFile %d ms\n", e, c, w
    printf "  ratio to CopyFileA %.2f; ratio to WriteFile %.2f\n", e / c, e / w
    printf "  peak working set of the dialog %.1f MiB; longest synchronised step %.1f ms\n", peak / 1048576, step / 1000
    printf "  %d synchronised steps, together %d ms\n", steps, steptime / 1000
  }'
  rm -rf "$payload" "$medium"
done
