#!/usr/bin/env bash
# Configures and builds one configuration: host (native, sanitizers) or windows (MinGW-w64 i686).
# Usage: scripts/build.sh host|windows [build folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
config="${1:-host}"
jobs="${ORV_JOBS:-$(nproc)}"
case "$config" in
  host)
    dir="${2:-$root/out/host}"
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Debug >/dev/null ;;
  windows)
    dir="${2:-$root/out/windows}"
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null ;;
  bench)
    dir="${2:-$root/out/bench}"
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DORV_SANITIZE=OFF -DORV_BENCHMARKS=ON >/dev/null ;;
  *)
    echo "ERROR: unknown configuration '$config' (host, windows or bench)" >&2
    exit 2 ;;
esac
if ! cmake --build "$dir" -j "$jobs"; then
  echo "ERROR: the $config build failed" >&2
  exit 1
fi
