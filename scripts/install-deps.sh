#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run Orvantel (run as root).
set -euo pipefail

packages=(
  cmake g++ make
  googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386
  xvfb xauth x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1 || ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All build and test packages are installed."
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "ERROR: these packages are missing and installing them needs root: ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386 || { echo "ERROR: could not add the i386 architecture" >&2; exit 1; }
fi
export DEBIAN_FRONTEND=noninteractive
if ! apt-get update -q; then
  echo "ERROR: apt-get update failed" >&2
  exit 1
fi
if ! apt-get install -y -q "${missing[@]}"; then
  echo "ERROR: apt-get install failed for: ${missing[*]}" >&2
  exit 1
fi
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1; then
    echo "ERROR: package $p is still missing after the install" >&2
    exit 1
  fi
done
echo "Packages installed."
