#!/usr/bin/env bash
# A real full disk under Wine: a 1 MiB tmpfs as drive Q: of the build's
# prefix. mkvolumes, the extraction and the log must each stop with the
# system's disk-full message and the file's name. Needs root to mount;
# otherwise the test is skipped (status 77).
# Usage: full_disk_test.sh WINE-RUN MKVOLUMES.EXE FULLDISKPROBE.EXE PREFIX
set -u
run=$1 mkvolumes=$2 probe=$3 prefix=$4
[ "$(id -u)" = 0 ] || { echo "not root: cannot mount a small disk"; exit 77; }
work=$(mktemp -d)
disk=$work/disk
mkdir -p "$disk" "$work/src" "$work/medium"
cleanup() {
  rm -f "$prefix/dosdevices/q:"
  umount "$disk" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mount -t tmpfs -o size=1m tmpfs "$disk" || { echo "cannot mount tmpfs"; exit 77; }
ln -sfn "$disk" "$prefix/dosdevices/q:"
failures=0

head -c $((2 << 20)) /dev/urandom > "$work/src/big.bin"
"$run" "$mkvolumes" "$work/src" 'Q:\out' > /dev/null 2> "$work/err.txt"
status=$?
if [ $status = 1 ] && tr -d '\r' < "$work/err.txt" | grep -Eq '^mkvolumes: Could not write to Q:\\out\\Setup.d01: (Disk full|There is not enough space on the disk)\.$'; then
  echo "ok   mkvolumes onto a full disk"
else
  echo "FAIL mkvolumes onto a full disk: status $status"; cat "$work/err.txt"; failures=$((failures + 1))
fi
rm -rf "$disk"/*

"$run" "$mkvolumes" "$work/src" "$work/medium" > /dev/null || failures=$((failures + 1))
"$run" "$probe" "$work/medium" 'Q:\inst' > "$work/probe.txt"
status=$?
tr -d '\r' < "$work/probe.txt"
[ $status = 0 ] || failures=$((failures + 1))
echo "$failures failures"
[ $failures = 0 ]
