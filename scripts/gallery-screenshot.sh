#!/usr/bin/env bash
# Builds the gallery of dravon.dll (every control class in one dark window), shows it under Wine in a
# virtual X display and saves a screenshot of the display as a PNG in out/.
# Usage: scripts/gallery-screenshot.sh [windows build folder] [plain|warnbox|menu]
#   plain    the gallery alone (out/gallery-screenshot.png)
#   warnbox  with a warning box over it (out/gallery-screenshot-warnbox.png)
#   menu     with the File menu of its menu bar open (out/gallery-screenshot-menu.png)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
dir="${1:-$root/out/windows}"
mode="${2:-plain}"
case "$mode" in
  plain) shot="$root/out/gallery-screenshot.png" ;;
  warnbox|menu) shot="$root/out/gallery-screenshot-$mode.png" ;;
  *) echo "ERROR: unknown mode '$mode' (plain, warnbox or menu)" >&2; exit 2 ;;
esac
for tool in xvfb-run import xwininfo wine; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "ERROR: '$tool' is missing; scripts/install-deps.sh installs it" >&2
    exit 1
  fi
done

if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
fi
if ! cmake --build "$dir" -j "${ORV_JOBS:-2}" --target dravon_gallery; then
  echo "ERROR: the gallery did not build" >&2
  exit 1
fi
exe="$dir/tests/uilib/dravon_gallery.exe"
if [ ! -f "$exe" ]; then
  echo "ERROR: $exe was not built" >&2
  exit 1
fi
"$here/wine-prefix.sh"
mkdir -p "$(dirname "$shot")"
rm -f "$shot"

# Inside the virtual display: start the gallery (it ends itself after 60 seconds), wait until its
# window is mapped and painted, capture the root window, then end the gallery we started.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -u
  "$0" "$1" "$2 screenshot" &
  pid=$!
  for i in $(seq 1 120); do
    if xwininfo -root -tree 2>/dev/null | grep -q "Dravon Gallery"; then break; fi
    sleep 0.5
  done
  sleep 3
  import -window root "$3"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit 0
' "$here/wine-run.sh" "$exe" "$mode" "$shot"

if [ ! -s "$shot" ]; then
  echo "ERROR: no screenshot was taken" >&2
  exit 1
fi
echo "Screenshot saved at $shot"
