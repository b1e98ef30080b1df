#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine, in a program folder of
# its own (build/run) so that the configs and batches it writes stay there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"

export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}"

ensure_packages "${BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}"

cmake --preset mingw
cmake --build --preset mingw
ensure_wineprefix

run_folder="$REPO_ROOT/build/run"
mkdir -p "$run_folder"
# The program, and the helper tools and calculator library that belong beside it.
program="$(find "$REPO_ROOT/build/mingw" -name quorvelan.exe -not -path '*/CMakeFiles/*' | head -n 1)"
if [ -z "$program" ]; then
  echo "quorvelan.exe was not built" >&2
  exit 1
fi
cp "$program" "$run_folder/"
if [ -d "$REPO_ROOT/build/mingw/tools" ]; then
  find "$REPO_ROOT/build/mingw/tools" \( -name '*.exe' -o -name '*.dll' \) -not -path '*/CMakeFiles/*' \
    -exec cp {} "$run_folder/" \;
fi
cd "$run_folder"
if [ -n "${DISPLAY:-}" ]; then
  exec wine quorvelan.exe
fi
log "No display: starting on a virtual screen"
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine quorvelan.exe
