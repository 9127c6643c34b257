#!/usr/bin/env bash
# Writes a benchmark payload folder.
#   make_payload.sh large DIR   4 files of 64 MiB
#   make_payload.sh small DIR   10,000 files of 1 to 8 KiB in 20 sub-folders
set -euo pipefail
kind=$1 dir=$2
rm -rf "$dir"; mkdir -p "$dir"
case $kind in
  large)
    for i in 1 2 3 4; do head -c $((64 * 1024 * 1024)) /dev/urandom > "$dir/Data$i.bin"; done ;;
  small)
    for d in $(seq -w 1 20); do mkdir -p "$dir/Folder$d"; done
    for i in $(seq 0 9999); do
      size=$(( (i * 7919 % 7168) + 1024 ))
      head -c $size /dev/urandom > "$dir/Folder$(printf '%02d' $(( i % 20 + 1 )))/File$i.dat"
    done ;;
  *) echo "usage: make_payload.sh large|small DIR" >&2; exit 2 ;;
esac
