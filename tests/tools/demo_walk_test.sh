#!/usr/bin/env bash
# The demonstration's walk without a display, as scripts/demo.sh runs it:
# on a medium made from this tree, the walker must reach the finished page,
# leave a picture of every page, and the script must print the Install.log
# that names every file of the medium and the packs.
# Usage: demo_walk_test.sh WIN32_TREE
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
tree=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

bash "$root/scripts/make-demo-medium.sh" "$work/medium" "$tree" >/dev/null || { echo "FAIL the medium"; exit 1; }
bash "$root/scripts/walk-demo.sh" "$work/medium" "$work/shots" "$tree" > "$work/out.txt" 2>&1
status=$?
cat "$work/out.txt"
[ $status = 0 ] || fail "the walk ended with status $status"
grep -qx 'page: finished page' "$work/out.txt" || fail "the finished page was not reached"
for page in 1-language-page 2-welcome-page 3-licence-page 4-directory-page 5-program-folder-page \
            6-confirmation-page 8-finished-page; do
  [ -s "$work/shots/$page.png" ] || fail "no picture $page.png"
done
# The printed log: after its own heading, the program folder and every
# file the installation put into the directory.
log=$(sed -n '/^== its Install.log/,$p' "$work/out.txt")
grep -A1 -x '{program folder}' <<<"$log" | grep -qx 'Lexovant' || fail "the log names no program folder Lexovant"
for name in Lexovant.exe Uninst.exe ReadMe.txt LeesMij.txt 'Wordlists\English-Dutch\Travel.wdl' \
            'Wordlists\English-German\Basics.wdl' English.lng Nederlands.lng; do
  grep -qxF -- "$name" <<<"$log" || fail "the printed log does not name $name"
done
grep -qx '{program folder files}' <<<"$log" || fail "the printed log has no shortcut section"
[ $failures = 0 ]
