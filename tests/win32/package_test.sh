#!/bin/bash
# The first encode from the release zip, as a new user makes it: the zip that
# scripts/package.sh packs from this build, unpacked into a fresh folder of a
# fresh Wine prefix, with only a stand-in x264.exe put into tools\ (as the
# guide says). The test program then drives the real window and
# quorvelan-cli there. Usage: package_test.sh REPO BUILD TEST-PROGRAM STANDIN
set -u
repo=$1 build=$2 tests=$3 standin=$4
work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
cleanup() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

bash "$repo/scripts/package.sh" --from "$build" --dist "$work/dist" >"$work/package.log" 2>&1 ||
  { cat "$work/package.log"; echo "FAIL: package.sh"; exit 1; }
zip_file=$(ls "$work"/dist/*-win64.zip)

mkdir -p "$WINEPREFIX"
wineboot -i </dev/null >/dev/null 2>&1
# A crash must fail the test, not wait for a click on its dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1

# A fresh folder with a blank in its name, as "Program files" or a desktop has.
unpacked="$WINEPREFIX/drive_c/first run"
mkdir -p "$unpacked"
(cd "$unpacked" && unzip -q "$zip_file") || { echo "FAIL: unzip"; exit 1; }
folder=$(ls -d "$unpacked"/quorvelan-*/)
[ -f "$folder/tools/README.txt" ] || { echo "FAIL: the zip has no tools\\README.txt"; exit 1; }
cp "$standin" "$folder/tools/x264.exe"
cp "$tests" "$work/"

QV_PACKAGE_FOLDER="C:\\first run\\$(basename "$folder")\\" QV_MEDIA_FOLDER="C:\\media files\\" \
  wine "$work/$(basename "$tests")" </dev/null
