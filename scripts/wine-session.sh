#!/usr/bin/env bash
# Runs a command inside a throw-away Wine session: its own HOME, TMPDIR,
# prefix, GBK locale, drives and (when there is no display) an Xvfb display.
# Nothing touches the real home folder or ~/.wine. Usage:
#   scripts/wine-session.sh COMMAND [ARG...]
# ZELVORA_KEEP_SESSION=1 keeps the session folder for a look afterwards.
set -euo pipefail

session=$(mktemp -d /tmp/zelvora-session.XXXXXX)
started=$(date +%s%N)

export HOME=$session/home
export TMPDIR=$session/tmp
export WINEPREFIX=$session/prefix
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko: the prefix must come up without asking the network.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
mkdir -p "$HOME" "$TMPDIR"

# Code page 936 needs a real zh_CN.UTF-8 glibc locale, or non-ASCII file
# names fail. Build it into the session when the system lacks it.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  export LOCPATH=$session/locale
  mkdir -p "$LOCPATH"
  localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" >/dev/null 2>&1 || true
fi
{ export LC_ALL=zh_CN.UTF-8; } 2>/dev/null  # bash itself cannot see a LOCPATH locale

xvfb_pid=
stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
  if [ "${ZELVORA_KEEP_SESSION:-0}" = 1 ]; then
    echo "session kept in $session" >&2
  else
    rm -rf "$session"
  fi
}
trap stop EXIT

if [ -z "${DISPLAY:-}" ] || [ "${ZELVORA_XVFB:-0}" = 1 ]; then
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    break
  done
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/${DISPLAY#:}" ] || [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
fi

# The prefix, with its output kept away from the caller's pipes: Wine's
# helper processes inherit them and would hold them open.
wineboot -i >/dev/null 2>&1
# Drive kinds are read when Wine's mount manager starts: set them now.
wine reg add 'HKLM\Software\Wine\Drives' /v e: /d cdrom /f >/dev/null 2>&1
wineserver -w >/dev/null 2>&1 || true

# The user folders come as links into $HOME; make them real folders.
for link in "$WINEPREFIX"/drive_c/users/*/*; do
  if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
done

# Drives: D:, F: and G: fixed, E: a CD-ROM; C: and Z: are the prefix's own.
# G: is the drive a test may make vanish (by removing its folder) and bring
# back.
for drive in d e f g; do
  mkdir -p "$session/drives/$drive"
  ln -sfn "$session/drives/$drive" "$WINEPREFIX/dosdevices/$drive:"
done
export ZELVORA_FIXED_DRIVES="C: D: F: G: Z:"
export ZELVORA_VANISHING_DRIVE="G:"
export ZELVORA_VANISHING_DRIVE_FOLDER="Z:$(echo "$session/drives/g" | tr / '\\')"
export ZELVORA_SESSION=$session

wineserver -p >/dev/null 2>&1
wine cmd /c exit >/dev/null 2>&1

echo "wine-session: prefix ready in $(( ($(date +%s%N) - started) / 1000000 )) ms" >&2

set +e
"$@"
status=$?
set -e
exit $status
