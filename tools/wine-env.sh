# Sourced by the Wine tools: where the project's Wine prefix and virtual
# display live, and how Wine is told to stay quiet and self-contained.
#   VINTRA_WINE_DIR  build/wine under the source tree unless set
# shellcheck shell=bash

VINTRA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VINTRA_WINE_DIR="${VINTRA_WINE_DIR:-$VINTRA_ROOT/build/wine}"
VINTRA_WINE64="${VINTRA_WINE64:-/usr/lib/wine/wine64}"
VINTRA_WINESERVER="${VINTRA_WINESERVER:-/usr/lib/wine/wineserver}"
# The display started by tools/test.sh for a whole run is recorded here.
VINTRA_DISPLAY_FILE="$VINTRA_WINE_DIR/display"

export WINEPREFIX="${WINEPREFIX:-$VINTRA_WINE_DIR/prefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers popping up in the prefix; no desktop
# integration (menus, file associations) leaking into the host.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}"

vintra_wine_prefix_ready() {
  [ -f "$WINEPREFIX/system.reg" ] && [ -d "$WINEPREFIX/drive_c/windows/system32" ]
}

# Makes the prefix unless it is there; serialised, since several tools may
# ask at once. Needs a display in $DISPLAY.
vintra_wine_make_prefix() {
  mkdir -p "$VINTRA_WINE_DIR"
  (
    flock 9
    if ! vintra_wine_prefix_ready; then
      rm -rf "$WINEPREFIX"
      "$VINTRA_WINE64" wineboot -i >/dev/null 2>&1
      # Without a window manager, hiding a "managed" top-level window waits
      # about 2 s for one; unmanaged windows draw their own captions.
      "$VINTRA_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      "$VINTRA_WINESERVER" -w
      vintra_wine_prefix_ready || { echo "wine: could not create the prefix $WINEPREFIX" >&2; exit 1; }
    fi
  ) 9>"$VINTRA_WINE_DIR/prefix.lock"
}

# Sets DISPLAY to the run's virtual display when one is alive; false if none.
vintra_use_run_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  [ -f "$VINTRA_DISPLAY_FILE" ] || return 1
  local display
  display="$(cat "$VINTRA_DISPLAY_FILE")"
  [ -n "$display" ] && [ -e "/tmp/.X11-unix/X${display#:}" ] || return 1
  export DISPLAY="$display"
}

# Wine's background processes (services, device drivers) outlive the program
# that started them and keep its standard output: a test runner reading that
# output would wait for them forever. Started here first, with no output of
# ours to hold; when they already run this takes a fraction of a second.
vintra_wine_start_services() {
  "$VINTRA_WINE64" wineboot </dev/null >/dev/null 2>&1
}
