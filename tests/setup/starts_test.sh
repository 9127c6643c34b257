#!/usr/bin/env bash
# Setup.exe starts and ends under Wine. Usage: starts_test.sh WINE-RUN SETUP.EXE
set -u
timeout 120 "$1" "$2"
status=$?
echo "exit status $status"
[ $status = 0 ]
