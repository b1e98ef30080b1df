# Shared by the test and run commands: the Debian packages the build needs and
# a Wine prefix of the project's own, prepared so that no dialog can block.
# Sourced, not run.

REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

BUILD_PACKAGES=(cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
                g++-mingw-w64-x86-64-posix)
WINE_PACKAGES=(wine wine64 fonts-wine xvfb xauth imagemagick zip locales)
# The tools the real-tool tests run the batches with (Debian 12 has no gpac,
# so MP4Box is used only where it is installed).
REAL_TOOL_PACKAGES=(python3 x264 ffmpeg mkvtoolnix)
# The Slurm tier's one-node cluster.
SLURM_PACKAGES=(slurm-wlm munge)

log() { printf '==> %s\n' "$*"; }

# Installs whichever of the given packages are missing; the package lists are
# refreshed at most once per run.
ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
      sudo=(sudo)
    else
      echo "Missing packages (${missing[*]}) and not root: install them first." >&2
      return 1
    fi
  fi
  log "Installing ${missing[*]}"
  if [ -z "${APT_UPDATED:-}" ]; then
    "${sudo[@]}" apt-get update
    APT_UPDATED=1
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" </dev/null
}

# Exports the Wine settings: a prefix inside the build folder, no debug
# chatter, and no Mono or Gecko installer that would wait for a click.
wine_environment() {
  export WINEPREFIX="$REPO_ROOT/build/wineprefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export HOME="${HOME:-/root}"
}

# Creates the prefix once; a half-made one (no system.reg) is made again.
# Settings for a screen without a window manager:
# - a program that crashes must fail its test, not wait for a click on the
#   crash dialog;
# - the platform tests' windows are unmanaged, since hiding a managed window
#   waits two seconds for a window manager that is not there.
# The stamp names the settings' version, so that an older prefix gets them.
ensure_wineprefix() {
  wine_environment
  local ready="$WINEPREFIX/.quorvelan-settings-2"
  [ -f "$ready" ] && return 0
  log "Preparing the Wine prefix $WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
  fi
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\AppDefaults\quorvelan_tests.exe\X11 Driver' /v Managed /t REG_SZ /d N /f \
    </dev/null >/dev/null 2>&1
  # The server started without a screen must be gone before a program runs
  # on the virtual one.
  wineserver -w
  touch "$ready"
}

# Generates the locale $2 (ru_RU.UTF-8) into the folder $1 once, without
# touching the system's own locales: a test that runs under it names the
# folder in LOCPATH.
ensure_locale() {
  local folder=$1 name=$2
  [ -d "$folder/$name" ] && return 0
  log "Generating the locale $name"
  mkdir -p "$folder"
  localedef -i "${name%%.*}" -f "${name#*.}" "$folder/$name"
}

# Runs a command on a virtual screen large enough for the window and its
# screenshots.
on_virtual_screen() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}
