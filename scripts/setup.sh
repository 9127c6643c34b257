#!/usr/bin/env bash
# Installs everything the two build trees and their tests need on a Debian 12
# machine, then cross-builds the Windows-side libraries into build/deps.
# Safe to run again: each step checks whether it is already done.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deps="$root/build/deps"
prefix="$deps/win32"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(
  cmake ninja-build clang libclang-rt-14-dev g++ dpkg-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 wine64
  xvfb xauth imagemagick x11-utils
  googletest libgtest-dev
)

# Our own deb-src list beside the machine's sources, so that apt-get source can
# fetch Debian's libjpeg-turbo. The machine's own files are never edited.
src_list=/etc/apt/sources.list.d/lexovant-deb-src.sources
need_update=0
if [ ! -f "$src_list" ]; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -n '/^Types:/,$p' /etc/apt/sources.list.d/debian.sources \
      | sed 's/^Types:.*/Types: deb-src/' | as_root tee "$src_list" >/dev/null
  else
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
      | as_root tee /etc/apt/sources.list.d/lexovant-deb-src.list >/dev/null
    src_list=/etc/apt/sources.list.d/lexovant-deb-src.list
  fi
  need_update=1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
  as_root apt-get update -q
fi
if [ ${#missing[@]} -gt 0 ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The 32-bit Wine loader is an i386 Linux program. Where the kernel cannot
# run those (no ia32 support), it runs under QEMU's user-mode emulator. QEMU
# before 8 ignores the address hints of MAP_FIXED_NOREPLACE, which makes
# every Wine process start take a minute, so the emulator comes from Debian's
# bookworm-backports, in a sources file of our own.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  qemu_version=$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null || true)
  if [ -z "$qemu_version" ] || dpkg --compare-versions "$qemu_version" lt 1:8; then
    bpo_list=/etc/apt/sources.list.d/lexovant-backports.sources
    if [ ! -f "$bpo_list" ]; then
      printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
        'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' | as_root tee "$bpo_list" >/dev/null
    fi
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
      -t bookworm-backports qemu-user-static
  fi
  qemu=$(command -v qemu-i386 || command -v qemu-i386-static)
  binfmt=/proc/sys/fs/binfmt_misc
  [ -f "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt"
  # A registration with the F flag keeps the emulator file it was made with.
  [ -f "$binfmt/qemu-i386" ] && echo -1 | as_root tee "$binfmt/qemu-i386" >/dev/null
  echo ":qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:$qemu:F" \
    | as_root tee "$binfmt/register" >/dev/null
  /usr/lib/wine/wine --version >/dev/null
fi

mkdir -p "$deps"
toolchain="$root/cmake/mingw-i686.cmake"

# GoogleTest for the Windows tree, from Debian's sources.
if [ ! -f "$prefix/lib/libgtest.a" ]; then
  rm -rf "$deps/googletest-build"
  cmake -S /usr/src/googletest -B "$deps/googletest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$deps/googletest-build" --target install >/dev/null
fi

# libjpeg for the Windows tree, from Debian's libjpeg-turbo source package.
if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  srcdir=$(ls -d "$deps"/libjpeg-turbo-*/ 2>/dev/null | head -n 1 || true)
  if [ -z "$srcdir" ]; then
    (cd "$deps" && apt-get source -q libjpeg-turbo >/dev/null)
    srcdir=$(ls -d "$deps"/libjpeg-turbo-*/ | head -n 1)
  fi
  rm -rf "$deps/libjpeg-build"
  cmake -S "$srcdir" -B "$deps/libjpeg-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DWITH_SIMD=OFF -DENABLE_SHARED=OFF \
    -DWITH_TURBOJPEG=OFF >/dev/null
  cmake --build "$deps/libjpeg-build" --target jpeg-static >/dev/null
  mkdir -p "$prefix/lib" "$prefix/include"
  cp "$deps/libjpeg-build/libjpeg.a" "$prefix/lib/"
  cp "$deps/libjpeg-build/jconfig.h" "$srcdir/jpeglib.h" "$srcdir/jmorecfg.h" "$srcdir/jerror.h" "$prefix/include/"
fi
