#!/usr/bin/env bash
# Installs what is missing, builds Orvantel for Windows and starts it under Wine on the bundled
# sample project. Without a display it runs inside Xvfb instead and saves a screenshot.
# ORV_BUILD_DIR names another build folder (default out/windows).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
dir="${ORV_BUILD_DIR:-$root/out/windows}"
jobs="${ORV_JOBS:-$(nproc)}"

"$here/install-deps.sh"

# The program and the two libraries it loads at start: only what running needs.
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
targets=(Orvantel orvantel_folder)
if ! cmake --build "$dir" -j "$jobs" --target "${targets[@]}"; then
  echo "ERROR: the Windows build of Orvantel failed" >&2
  exit 1
fi
exe="$dir/shell/Orvantel.exe"
if [ ! -f "$exe" ]; then
  echo "ERROR: $exe was not built" >&2
  exit 1
fi
"$here/wine-prefix.sh"
export WINEPREFIX="${ORV_WINEPREFIX:-$root/out/wineprefix}"

# The IDE works on a copy of the sample, so the one in examples/ stays as shipped. The copy is
# made once and kept, with the changes made to it in the IDE; its folders are filled in for the
# place it lies in.
sample="$root/out/sample/hello"
if [ ! -f "$sample/hello.ovp" ]; then
  mkdir -p "$sample"
  cp "$root"/examples/hello/* "$sample/"
  folder="$(WINEDEBUG=-all winepath -w "$sample" 2>/dev/null || true)"
  if [ -n "$folder" ]; then
    escaped="$(printf '%s' "$folder" | sed 's/[\\&|]/\\&/g')"
    for key in Source Objects Final; do
      sed -i "s|^$key=\r\?\$|$key=$escaped\r|" "$sample/hello.ovs"
    done
  fi
fi
project="$sample/hello.ovp"

if [ -n "${DISPLAY:-}" ]; then
  exec "$here/wine-run.sh" "$exe" "$(WINEDEBUG=-all winepath -w "$project")"
fi
shot="$root/out/ide-screenshot.png"
if ORV_IDE_EXE="$exe" "$here/ide-screenshot.sh" "$shot" "$project"; then
  echo "No display: the IDE ran inside Xvfb; its screenshot is saved at $shot"
else
  echo "No display: the IDE ran inside Xvfb, with the problems above; the screenshot is at $shot" >&2
  exit 1
fi
