#!/usr/bin/env bash
# Sets up the machine, builds every tree and runs all tests: the host unit
# tests, the same under the sanitizers with the fuzz targets, and the Windows
# tree under Wine. Ends with one line "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1
bash scripts/build.sh host sanitize win32 || exit 1

passed=0 failed=0
for tree in host sanitize win32; do
  echo "== tests of the $tree tree"
  ctest --test-dir "build/$tree" --output-on-failure -j2 2>&1 | tee "build/$tree/ctest.log"
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "build/$tree/ctest.log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1)); continue
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
  all=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + all - bad)); failed=$((failed + bad))
done
echo "$passed passed, $failed failed"
[ $failed = 0 ]
