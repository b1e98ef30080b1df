#!/usr/bin/env bash
# The user guide's picture of the queue view, docs/queue-view.png: the real
# window under Wine on a virtual screen runs a queue through teelog.exe and
# the x264 stand-in of the tests (window_screenshots.cpp).
# Usage: bench/win32/queue_screenshot.sh [build folder of the Windows build]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/env.sh"
build="${1:-$REPO_ROOT/build/mingw}"
cmake --build "$build" --target quorvelan teelog snooze qv_standin window_screenshots
ensure_wineprefix
shots=$(mktemp -d)
on_virtual_screen bash -c '
  wine "$0/bench/win32/window_screenshots.exe" "$0/quorvelan.exe" "$1" "$0/tools" "$0/tests/batches/qv_standin.exe"
  wineserver -k' "$build" "$shots"
cp "$shots/queue-view.png" "$REPO_ROOT/docs/queue-view.png"
rm -rf "$shots"
ls -l "$REPO_ROOT/docs/queue-view.png"
