#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmark need.
# Idempotent: packages already installed are skipped, and apt is not touched
# at all when nothing is missing.
set -euo pipefail

packages=(
  cmake make
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  googletest
  wine wine32:i386 wine64
  xvfb xauth imagemagick
  fonts-wqy-microhei locales
  clang libclang-rt-14-dev
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
  sudo_cmd=(sudo)
fi

need_arch=0
dpkg --print-foreign-architectures | grep -qx i386 || need_arch=1

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ "$need_arch" -eq 0 ] && [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
[ "$need_arch" -eq 1 ] && "${sudo_cmd[@]}" dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
