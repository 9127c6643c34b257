#!/usr/bin/env bash
# The extraction dialog onto a full disk: a 1 MiB tmpfs, reached through
# drive Z:, as the target of the GUI test that expects the error box with
# the system's disk-full message and the dialog closing with Cancel. Needs
# root to mount; otherwise the test is skipped (status 77).
# Usage: full_disk_extract_test.sh GUI-RUN EXTRACT_FORM_TESTS.EXE
set -u
run=$1 tests=$2
[ "$(id -u)" = 0 ] || { echo "not root: cannot mount a small disk"; exit 77; }
disk=$(mktemp -d)
trap 'umount "$disk" 2>/dev/null; rmdir "$disk"' EXIT
mount -t tmpfs -o size=1m tmpfs "$disk" || { echo "cannot mount tmpfs"; exit 77; }
out=$(LEXOVANT_FULL_DISK="$disk" "$run" "$tests" --gtest_filter=StepErrors.FullDisk* 2>&1)
status=$?
printf '%s\n' "$out"
[ $status = 0 ] && printf '%s\n' "$out" | grep -q '^\[       OK \] StepErrors.FullDisk'
