#!/usr/bin/env bash
# Starts the IDE under Xvfb on a project, waits for its frame window, saves a PNG of the screen and
# ends the IDE again.
# Usage: scripts/ide-screenshot.sh [picture.png] [project file]
#   defaults: out/ide-screenshot.png and the sample copy out/sample/hello/hello.ovp
#   ORV_IDE_EXE names another Orvantel.exe (default out/windows/shell/Orvantel.exe).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
exe="${ORV_IDE_EXE:-$root/out/windows/shell/Orvantel.exe}"
shot="${1:-$root/out/ide-screenshot.png}"
project="${2:-$root/out/sample/hello/hello.ovp}"
# Seconds to wait for the frame window to appear, and then for it to paint.
wait_frame="${ORV_FRAME_WAIT:-90}"
settle=3

if [ "${ORV_INSIDE_XVFB:-}" != 1 ]; then
  if [ ! -f "$exe" ]; then
    echo "ERROR: $exe is not built; scripts/run-ide.sh builds it" >&2
    exit 1
  fi
  mkdir -p "$(dirname "$shot")"
  shot="$(cd "$(dirname "$shot")" && pwd)/$(basename "$shot")"
  exec env ORV_INSIDE_XVFB=1 ORV_IDE_EXE="$exe" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$shot" "$project"
fi

# From here on we run inside Xvfb, on a display of our own.
"$here/wine-prefix.sh"
args=()
if [ -n "$project" ]; then
  args+=("$(WINEPREFIX="${ORV_WINEPREFIX:-$root/out/wineprefix}" WINEDEBUG=-all winepath -w "$project" 2>/dev/null)")
fi
"$here/wine-run.sh" "$exe" "${args[@]}" >/dev/null 2>&1 &
ide=$!

# True when a viewable top-level window titled "Orvantel <version>" exists on this display.
frame_shown() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) "Orvantel [0-9][^"]*".*/\1/p'); do
    if xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable"; then
      return 0
    fi
  done
  return 1
}

shown=0
for _ in $(seq 1 $((wait_frame * 2))); do
  if frame_shown; then shown=1; break; fi
  if ! kill -0 "$ide" 2>/dev/null; then break; fi
  sleep 0.5
done
if [ "$shown" = 1 ]; then sleep "$settle"; fi

status=0
if ! import -window root "$shot"; then
  echo "ERROR: the screenshot could not be saved to $shot" >&2
  status=1
fi
if kill -0 "$ide" 2>/dev/null; then
  kill "$ide" 2>/dev/null || true
  wait "$ide" 2>/dev/null || true
else
  echo "WARNING: the IDE ended before the screenshot was taken (it runs once per Wine prefix:" \
    "another Orvantel in $root/out/wineprefix makes it hand over and end)" >&2
  status=1
fi
if [ "$shown" != 1 ]; then
  echo "WARNING: no frame window appeared within ${wait_frame}s; the screenshot shows what was there" >&2
  status=1
fi
echo "Screenshot saved at $shot"
exit "$status"
