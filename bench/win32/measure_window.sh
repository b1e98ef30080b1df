#!/usr/bin/env bash
# Measures the window under Wine on a virtual screen: start-up against a bare
# Win32 program, private memory, "Files input" with 10,000 inputs, the queue
# view with 10,000 jobs against a bare list view and the program's processor
# time while a queue runs (queue_measure.cpp); then takes screenshots of the
# five pages into build/screenshots.
# A window manager runs on the screen, as on any desktop: without one, Wine
# waits two seconds for a manager that is not there whenever a window hides.
# Usage: bench/win32/measure_window.sh [build folder of the Windows build]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/env.sh"
build="${1:-$REPO_ROOT/build/mingw}"
ensure_packages openbox
cmake --build "$build" --target quorvelan bare_window bare_window_v6 window_measure window_screenshots \
  queue_measure bare_list_view teelog snooze qv_standin
ensure_wineprefix
on_virtual_screen bash -c '
  openbox --sm-disable >/dev/null 2>&1 & manager=$!
  sleep 2
  wineserver -p 60; wine cmd /c exit
  wine "$0/bench/win32/window_measure.exe" "$0/quorvelan.exe" "$0/bench/win32/bare_window.exe" \
    "$0/bench/win32/bare_window_v6.exe" 15 10000
  wine "$0/bench/win32/queue_measure.exe" "$0/quorvelan.exe" "$0/bench/win32/bare_list_view.exe" "$0/tools" \
    "$0/tests/batches/qv_standin.exe" 10000 60
  # Private (anonymous) memory of the running program as Linux counts it,
  # against the bare window: Wine itself accounts for most of either. The
  # program is the largest of the processes that carry its name.
  for exe in quorvelan.exe bench/win32/bare_window.exe; do
    folder=$(mktemp -d); cp "$0/$exe" "$folder/"; name=$(basename "$exe")
    (cd "$folder" && wine "$name" &) ; sleep 5
    largest=0
    for pid in $(pgrep -f "$name"); do
      kb=$(awk "/^RssAnon:/ {print \$2}" "/proc/$pid/status" 2>/dev/null || echo 0)
      [ "${kb:-0}" -gt "$largest" ] && largest=$kb
    done
    echo "$name: RssAnon $largest kB"
    wine taskkill /im "$name" >/dev/null 2>&1 || true; sleep 1; rm -rf "$folder"
  done
  wine "$0/bench/win32/window_screenshots.exe" "$0/quorvelan.exe" "$1/build/screenshots"
  wineserver -k
  kill $manager 2>/dev/null || true' "$build" "$REPO_ROOT"
