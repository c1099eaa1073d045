#!/usr/bin/env bash
# Runs a window test on a private X server of SIZE (1366x768, a school laptop's screen), under
# the openbox window manager, so that windows get real frames; SCALE is the desktop's scale of
# the program (QT_SCALE_FACTOR, 1 unless given). Exits 77 (skipped) when Xvfb or openbox is
# missing.
# Usage: underwm.sh TEST_PROGRAM [SIZE [SCALE]]
set -u
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (packages: xvfb openbox)"; exit 77; }
done
displayfd=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${2:-1366x768}x24" -nolisten tcp 3>"$displayfd" 2>/dev/null &
server=$!
home=$(mktemp -d)
trap 'kill $wm $server 2>/dev/null; wait 2>/dev/null; rm -rf "$displayfd" "$home"' EXIT
for _ in $(seq 100); do
    [[ -s $displayfd ]] && break
    sleep 0.05
done
export DISPLAY=:$(head -1 "$displayfd")
HOME=$home openbox >/dev/null 2>&1 &
wm=$!
sleep 1
# On X the system's keyboard library (libxkbcommon-x11) hands strndup a buffer without a
# terminator; strndup stops at its count, but the sanitizers' strict string checks report it.
[[ -n "${ASAN_OPTIONS:-}" ]] && export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=${3:-1} QUORVEX_WM=openbox HOME=$home "$1"
