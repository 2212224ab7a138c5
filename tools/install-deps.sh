#!/usr/bin/env bash
# Installs the Debian packages that the builds and the Wine harness need, only
# those that are missing (as root; apt-get). Used by tools/test.sh and
# tools/run.sh, so both work on a fresh machine.
set -uo pipefail

say() { printf '\n=== %s\n' "$*"; }

PACKAGES=(cmake make g++ googletest libbenchmark-dev
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine64 xvfb xauth x11-xkb-utils locales)
missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  say "Installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages and not root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q && apt-get install -y -q "${missing[@]}" || exit 1
fi
