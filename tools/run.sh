#!/usr/bin/env bash
# Builds the Windows Vintra.exe and runs it under Wine in the project's
# prefix: on $DISPLAY if there is one, else on a virtual display.
#
#   tools/run.sh
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

bash "$ROOT/tools/install-deps.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Vintra
echo "Starting build/win64/bin/Vintra.exe under Wine on ${DISPLAY:-a virtual display}"
exec "$ROOT/tools/wine-exec.sh" "$ROOT/build/win64/bin/Vintra.exe"
