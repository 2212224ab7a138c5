#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine in the project's prefix and on
# a virtual display, and returns the program's exit code. CMake uses it as the
# emulator of the win64 build, so `ctest --preset win64` runs through it.
#
#   tools/wine-exec.sh program.exe [arguments...]
#
# The display is $DISPLAY, else the one tools/test.sh started for the run,
# else a private Xvfb just for this program (slower: Wine starts afresh).
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

if [ $# -lt 1 ]; then
  echo "usage: $0 program.exe [arguments...]" >&2
  exit 2
fi

if ! vintra_use_run_display; then
  # No display at all: run this script again inside a private one; the
  # wineserver goes with it, since Wine's desktop belongs to that display.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    env VINTRA_PRIVATE_DISPLAY=1 "$0" "$@"
fi

vintra_wine_prefix_ready || vintra_wine_make_prefix || exit 1
vintra_wine_start_services

"$VINTRA_WINE64" "$@"
status=$?
if [ "${VINTRA_PRIVATE_DISPLAY:-0}" = 1 ]; then
  "$VINTRA_WINESERVER" -k 2>/dev/null
  "$VINTRA_WINESERVER" -w 2>/dev/null
fi
exit $status
