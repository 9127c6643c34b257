#!/usr/bin/env bash
# Marks a PE image to run from the swap file when it is started from
# removable or network media: sets IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP (0x400)
# and IMAGE_FILE_NET_RUN_FROM_SWAP (0x800) in the COFF header's
# Characteristics. The image's checksum stays 0 (a program's is not checked).
# Usage: pe-swaprun.sh IMAGE
set -euo pipefail
image=$1
u32() { od -An -tu4 -j "$1" -N4 "$image" | tr -d ' '; }
u16() { od -An -tu2 -j "$1" -N2 "$image" | tr -d ' '; }
[ "$(od -An -c -N2 "$image" | tr -d ' ')" = MZ ] || { echo "$image: not an MZ image" >&2; exit 1; }
pe=$(u32 60)
[ "$(od -An -tx1 -j "$pe" -N4 "$image" | tr -d ' ')" = 50450000 ] || { echo "$image: no PE header" >&2; exit 1; }
at=$((pe + 4 + 18))  # Characteristics: after Machine, NumberOfSections, three 32-bit fields, SizeOfOptionalHeader
flags=$(( $(u16 $at) | 0x0C00 ))
printf "$(printf '\\x%02x\\x%02x' $((flags & 0xff)) $((flags >> 8)))" | dd of="$image" bs=1 seek=$at conv=notrunc status=none
