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
    # One process for all files: a process per file takes minutes.
    perl -e '
      my $dir = shift;
      open(my $random, "<:raw", "/dev/urandom") or die "/dev/urandom: $!";
      mkdir sprintf("%s/Folder%02d", $dir, $_) or die $! for 1 .. 20;
      for my $i (0 .. 9999) {
        my $size = ($i * 7919 % 7168) + 1024;
        read($random, my $bytes, $size) == $size or die "short read";
        my $path = sprintf("%s/Folder%02d/File%d.dat", $dir, $i % 20 + 1, $i);
        open(my $out, ">:raw", $path) or die "$path: $!";
        print $out $bytes;
        close($out) or die "$path: $!";
      }' "$dir" ;;
  *) echo "usage: make_payload.sh large|small DIR" >&2; exit 2 ;;
esac
