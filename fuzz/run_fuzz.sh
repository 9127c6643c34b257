#!/usr/bin/env bash
# Usage: run_fuzz.sh FUZZER SEED-DIR WORK-DIR SECONDS
set -eu
fuzzer=$1 seeds=$2 work=$3 seconds=$4
mkdir -p "$work"
cp -n "$seeds"/* "$work"/ 2>/dev/null || true
exec "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
  -print_final_stats=1 "$work"
