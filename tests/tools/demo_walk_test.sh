#!/usr/bin/env bash
# The demonstration's walk without a display, as scripts/demo.sh runs it:
# on a medium made from this tree, the walker must reach the finished page,
# leave a picture of every page, and the script must print the Install.log
# of the installation.
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
# What the installation wrote is the end-to-end tests' business; here the
# script must print the walker's copy of the log, without its CRs.
log=$(sed -n '/^== its Install.log/,$p' "$work/out.txt")
for line in '{program folder}' 'Lexovant' '{program files}' 'Lexovant.exe' '{program folder files}'; do
  grep -qxF -- "$line" <<<"$log" || fail "the printed log has no line $line"
done
grep -q $'\r' "$work/out.txt" && fail "the output keeps CRs"
[ $failures = 0 ]
