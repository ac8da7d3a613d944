#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not there yet:
# Debian packages, libjpeg cross-built for both targets, and a headless Wine
# prefix of the project's own. Idempotent: a second run only checks.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
deps="$build/deps"
prefix="$build/wineprefix"
wine64=/usr/lib/wine/wine64

packages=(cmake make
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine64 wine xvfb xauth imagemagick googletest
          clang-14 libclang-rt-14-dev wine32:i386 fonts-wine)

fail() { echo "bootstrap: $*" >&2; exit 1; }
say()  { echo "bootstrap: $*"; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"
  elif command -v sudo >/dev/null 2>&1; then sudo "$@"
  else fail "need root to run: $* (run as root or install sudo)"
  fi
}

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

# The 32-bit program runs under Debian's 32-bit Wine, an i386 package.
enable_i386() {
  dpkg --print-foreign-architectures | grep -qx i386 && return
  say "adding the i386 architecture for Wine's 32-bit loader"
  as_root dpkg --add-architecture i386 || fail "could not add the i386 architecture"
}

install_packages() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return
  say "installing:" $missing
  enable_i386
  as_root apt-get update -q >/dev/null || fail "apt-get update failed"
  # shellcheck disable=SC2086
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing >/dev/null \
    || fail "could not install Debian packages:" $missing
  missing=$(missing_packages)
  [ -z "$missing" ] || fail "still missing after install:" $missing
}

# The configured apt sources carry only binary entries; derive a source entry
# from the existing Debian one so that apt-get source can fetch libjpeg-turbo.
enable_source_packages() {
  local list=/etc/apt/sources.list.d/debian.sources
  local src=/etc/apt/sources.list.d/sheetmill-deb-src.sources
  [ -f "$src" ] && return
  [ -f "$list" ] || fail "no $list to derive a deb-src entry from; add a deb-src line for Debian by hand"
  sed 's/^Types: deb$/Types: deb-src/' "$list" | as_root tee "$src" >/dev/null
  as_root apt-get update -q >/dev/null || fail "apt-get update failed after adding source entries"
}

fetch_libjpeg_source() {
  local dir="$deps/src"
  if ls -d "$dir"/libjpeg-turbo-*/ >/dev/null 2>&1; then return; fi
  enable_source_packages
  mkdir -p "$dir"
  (cd "$dir" && apt-get source --download-only libjpeg-turbo >/dev/null 2>&1) \
    || fail "could not download the libjpeg-turbo source package (apt-get source libjpeg-turbo)"
  (cd "$dir" && tar xzf libjpeg-turbo_*.orig.tar.gz) \
    || fail "could not unpack the libjpeg-turbo source"
}

build_libjpeg() {
  local arch=$1 out="$deps/libjpeg/$1"
  [ -f "$out/lib/libjpeg.a" ] && return
  fetch_libjpeg_source
  local src work
  src=$(ls -d "$deps"/src/libjpeg-turbo-*/ | head -n 1)
  work="$deps/libjpeg-build-$arch"
  say "cross-building libjpeg for $arch"
  cmake -S "$src" -B "$work" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR= -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" \
        -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0 >"$work.log" 2>&1 \
    || fail "libjpeg configure failed for $arch (see $work.log)"
  cmake --build "$work" -j2 --target jpeg-static >>"$work.log" 2>&1 \
    || fail "libjpeg build failed for $arch (see $work.log)"
  mkdir -p "$out/lib" "$out/include"
  cp "$src/jpeglib.h" "$src/jmorecfg.h" "$src/jerror.h" "$work/jconfig.h" "$out/include/"
  cp "$work/libjpeg.a" "$out/lib/"
}

# A project-local prefix with the null display driver: windows are created and
# painted without any X server. The wineserver is stopped afterwards because
# the desktop started by wineboot would keep the old driver. Made after the
# 32-bit Wine is installed, so that it runs both kinds of program.
prepare_wine_prefix() {
  [ -f "$prefix/.sheetmill-ready-3" ] && return
  say "creating the Wine prefix $prefix"
  rm -rf "$prefix"
  mkdir -p "$prefix"
  export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  "$wine64" wineboot -i >/dev/null 2>&1 || fail "wineboot could not create the prefix $prefix"
  "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 \
    || fail "could not select Wine's null display driver"
  # A crashing test must end at once, not wait in Wine's debugger until
  # the test runner's timeout.
  "$wine64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d '' /f >/dev/null 2>&1 || fail "could not turn off Wine's crash debugger"
  wineserver -w || true
  wineserver -k 2>/dev/null || true
  touch "$prefix/.sheetmill-ready-3"
}

install_packages
[ -x "$wine64" ] || fail "wine64 is installed but $wine64 is missing"
build_libjpeg x86_64
build_libjpeg i686
prepare_wine_prefix
"$root/tools/wine-fonts.sh" "$prefix"
