#!/usr/bin/env bash
# The project's test command: installs what is missing (Debian, as root),
# builds both presets and runs every suite: the simulated desktop's under
# sanitizers, then the Windows build's under Wine, the end-to-end test with
# them. Exits non-zero if anything failed to build or pass.
#
#   tools/test.sh
set -uo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT" || exit 1
source "$ROOT/tools/wine-env.sh"

say() { printf '\n=== %s\n' "$*"; }
started=$(date +%s)

# --- Packages -----------------------------------------------------------------
bash "$ROOT/tools/install-deps.sh" || exit 1

# --- Virtual display and a fresh Wine prefix ------------------------------------
mkdir -p "$VINTRA_WINE_DIR"
xvfb_pid=""
cleanup() {
  "$VINTRA_WINESERVER" -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -f "$VINTRA_DISPLAY_FILE"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

say "Starting a virtual display"
# Xvfb picks a free display number and writes it to the given descriptor.
rm -f "$VINTRA_DISPLAY_FILE.number"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$VINTRA_DISPLAY_FILE.number" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$VINTRA_DISPLAY_FILE.number" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$VINTRA_DISPLAY_FILE.number" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$VINTRA_DISPLAY_FILE.number")"
rm -f "$VINTRA_DISPLAY_FILE.number"
echo "$DISPLAY" >"$VINTRA_DISPLAY_FILE"
echo "display $DISPLAY"

say "Creating a fresh Wine prefix in $WINEPREFIX"
"$VINTRA_WINESERVER" -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
vintra_wine_make_prefix || exit 1
# One wineserver for the whole run, so each test starts without booting Wine.
"$VINTRA_WINESERVER" -p
vintra_wine_start_services

# Under Wine a program's keyboard layout follows its locale: the end-to-end
# test of the Russian-layout restriction runs in a Russian one, made here
# (the machine need not have it).
say "Making the Russian locale for the end-to-end test"
mkdir -p "$ROOT/build/locale"
localedef -i ru_RU -f UTF-8 "$ROOT/build/locale/ru_RU.UTF-8" || echo "localedef failed: the Russian-layout test will fail"

# --- Build and test -------------------------------------------------------------
failed=()
step() {
  local name=$1 begin
  shift
  say "$name"
  begin=$(date +%s)
  "$@" || failed+=("$name")
  echo "--- $name: $(( $(date +%s) - begin )) s"
}

step "Configure sim" cmake --preset sim
step "Build sim" cmake --build --preset sim
step "Test sim" ctest --preset sim
step "Configure win64" cmake --preset win64
step "Build win64" cmake --build --preset win64
# The release executable's size and the DLLs it needs, for the record.
exe_size() {
  local exe=build/win64/bin/Vintra.exe
  [ -f "$exe" ] || { echo "$exe was not built" >&2; return 1; }
  stat -c %s "$exe" | awk '{ printf "Vintra.exe: %d bytes (%.1f KB)\n", $1, $1 / 1024 }'
  echo "imports: $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { printf "%s ", $3 }')"
}
step "Size of Vintra.exe" exe_size
step "Test win64 (Wine, end-to-end)" ctest --preset win64
# The benchmark is built and run briefly so it keeps working; its ratios are
# printed at the end. Timing is reported, never asserted.
step "Configure bench" cmake --preset bench
step "Build bench" cmake --build --preset bench
step "Run bench (short)" build/bench/bench/hotkey_bench --benchmark_min_time=0.05 --benchmark_color=false

say "Finished in $(( $(date +%s) - started )) s"
if [ ${#failed[@]} -gt 0 ]; then
  printf 'FAILED: %s\n' "${failed[@]}"
  exit 1
fi
echo "All builds and suites passed."
