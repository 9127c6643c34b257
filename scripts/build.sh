#!/usr/bin/env bash
# Configures and builds the trees named (host, sanitize, win32; all by
# default) under build/. Run scripts/setup.sh first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(host sanitize win32)
for tree in "${trees[@]}"; do
  case $tree in
    host) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
    sanitize) args=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
                    -DLEXOVANT_SANITIZE=ON -DLEXOVANT_FUZZ=ON) ;;
    win32) args=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake") ;;
    *) echo "unknown tree: $tree" >&2; exit 2 ;;
  esac
  [ -f "build/$tree/build.ninja" ] || cmake -S . -B "build/$tree" -G Ninja "${args[@]}" >/dev/null
  cmake --build "build/$tree"
done
