#!/usr/bin/env bash
# Builds the Windows release and packs the portable folder:
#   dist/quorvelan-<version>-win64.zip
# holding quorvelan.exe, quorvelan-cli.exe, the helper tools, rateplan.dll,
# the user guide, the license, the starter files (envprep.txt, the
# tools folder, the include scripts) and the shipped configs. Unpacked
# anywhere writable, the folder runs as it is: every program is linked
# statically.
#
# Options (for the packaged test tier): --from BUILD packs the programs of
# an existing Windows build instead of building the release; --dist DIR
# stages and packs in DIR instead of dist.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$REPO_ROOT"

build=build/package-mingw
dist=dist
from=
while [ $# -gt 0 ]; do
  case "$1" in
    --from) from=$2; build=$2; shift 2 ;;
    --dist) dist=$2; shift 2 ;;
    *) echo "usage: package.sh [--from BUILD] [--dist DIR]" >&2; exit 2 ;;
  esac
done
programs=(quorvelan quorvelan-cli teelog mensura snooze envprep)

export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}"
if [ -z "$from" ]; then
  ensure_packages cmake ninja-build g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 binutils zip
  log "Windows release build"
  cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQUORVELAN_BUILD_TESTS=OFF
  cmake --build "$build" --target "${programs[@]}" rateplan
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/CMakeCache.txt" >&2; exit 1; }
name="quorvelan-$version"
stage="$dist/$name"
zip_file="$dist/$name-win64.zip"

# The one file that the build made under this name.
built_file() {
  local found
  found=$(find "$build" -name "$1" -not -path '*/CMakeFiles/*' -type f)
  if [ "$(printf '%s\n' "$found" | grep -c .)" -ne 1 ]; then
    echo "expected exactly one $1 in $build, found: ${found:-none}" >&2
    return 1
  fi
  printf '%s\n' "$found"
}

# Text files for Windows readers: CR LF line ends.
to_crlf() { sed 's/\r$//; s/$/\r/' "$1" > "$2"; }

log "Staging $stage"
rm -rf "$stage" "$zip_file"
mkdir -p "$stage/tools" "$stage/avsinc" "$stage/configs"
for program in "${programs[@]}"; do
  cp "$(built_file "$program.exe")" "$stage/"
done
cp "$(built_file rateplan.dll)" "$stage/"
to_crlf docs/USER_GUIDE.md "$stage/USER_GUIDE.txt"
# The guide's picture, which it names beside itself.
cp docs/queue-view.png "$stage/"
to_crlf LICENSE "$stage/LICENSE.txt"
to_crlf docs/starter/envprep.txt "$stage/envprep.txt"
to_crlf docs/starter/tools-README.txt "$stage/tools/README.txt"
for script in DirectShow FFMS2 LSMASHWorks; do
  to_crlf "docs/starter/$script.avs" "$stage/avsinc/$script.avs"
done
for config in configs/*.ini; do
  to_crlf "$config" "$stage/configs/$(basename "$config")"
done

log "Checking the programs"
objdump=x86_64-w64-mingw32-objdump
for file in "$stage"/*.exe "$stage"/*.dll; do
  # Only libraries that every Windows has: nothing from the compiler's
  # runtime may be needed beside the program.
  foreign=$("$objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p' |
    grep -viE '^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|advapi32|ole32|oleaut32|version|msvcrt|ucrtbase|api-ms-win-.*)\.dll$' || true)
  if [ -n "$foreign" ]; then
    echo "$(basename "$file") needs libraries that Windows does not have: $foreign" >&2
    exit 1
  fi
  if ! strings -e l "$file" | grep -qx "$version"; then
    echo "$(basename "$file") carries no version resource of version $version" >&2
    exit 1
  fi
done

log "Packing $zip_file"
(cd "$dist" && zip -qr -X "$name-win64.zip" "$name")
log "Done: $zip_file"
zip -sf "$zip_file"
