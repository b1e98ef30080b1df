#!/usr/bin/env bash
# Builds everything and runs every test: the native build with its tests, then
# the Windows build whose tests run under Wine on a virtual screen. Exits
# non-zero on the first failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"

export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
export CTEST_PARALLEL_LEVEL=1

ensure_packages "${BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${REAL_TOOL_PACKAGES[@]}" "${SLURM_PACKAGES[@]}"

log "Native build"
cmake --preset native
cmake --build --preset native
ctest --preset native

# Its daemons run as root.
log "Slurm tier"
if [ "$(id -u)" -eq 0 ]; then
  bash tests/slurm/slurm_test.sh build/native/cli/quorvelan-cli
else
  sudo bash tests/slurm/slurm_test.sh build/native/cli/quorvelan-cli
fi

log "Windows build"
cmake --preset mingw
cmake --build --preset mingw
ensure_wineprefix
ensure_locale build/mingw/locales ru_RU.UTF-8
# The whole ctest run shares one virtual screen and one wineserver; the server
# is stopped afterwards so that no Wine process outlives the run.
status=0
on_virtual_screen bash -c 'ctest --preset mingw </dev/null; rc=$?; wineserver -k 2>/dev/null; exit $rc' || status=$?
exit $status
