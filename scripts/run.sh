#!/usr/bin/env bash
# Starts Zelvora on Wine in the user's own session, in a prefix of its own
# under the user's home (never a test prefix). Without a display it runs on a
# virtual one inside a Wine desktop, saves a screenshot to build/zelvora.png
# and closes the window again.
set -euo pipefail

cd "$(dirname "$0")/.."
exe=build/zelvora.exe
[ -f "$exe" ] || { echo "run: $exe is missing; run make first" >&2; exit 1; }

export WINEPREFIX=${ZELVORA_PREFIX:-$HOME/.local/share/zelvora/prefix}
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# GBK (code page 936) for the program's texts and file names.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  export LOCPATH=$HOME/.local/share/zelvora/locale
  [ -d "$LOCPATH/zh_CN.UTF-8" ] || { mkdir -p "$LOCPATH"; localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" >/dev/null 2>&1 || true; }
fi
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null  # bash itself cannot see a LOCPATH locale

if [ ! -d "$WINEPREFIX" ]; then
  echo "run: creating the Wine prefix $WINEPREFIX (once)"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1 || true
fi

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$exe"
fi

picture=build/zelvora.png
display=
for n in $(seq 150 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  display=":$n"; break
done
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb >/dev/null 2>&1 || true' EXIT
sleep 1

wine explorer /desktop=Zelvora,800x600 "$exe" >/dev/null 2>&1 &
# Wait until Zelvora's window is up and painted.
for _ in $(seq 100); do
  wine cmd /c "tasklist" 2>/dev/null | grep -qi zelvora.exe && break
  sleep 0.2
done
sleep 3
import -window root "$picture"
wine taskkill /im zelvora.exe >/dev/null 2>&1 || true
echo "run: no display here; Zelvora ran on a virtual one. Screenshot: $picture"
