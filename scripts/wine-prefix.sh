#!/usr/bin/env bash
# Creates the project's 32-bit Wine prefix once, without the Mono and Gecko installer dialogs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
export WINEPREFIX="${ORV_WINEPREFIX:-$root/out/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
if [ -f "$WINEPREFIX/system.reg" ]; then exit 0; fi
mkdir -p "$(dirname "$WINEPREFIX")"
lock="$WINEPREFIX.lock"
exec 9>"$lock"
flock 9
if [ -f "$WINEPREFIX/system.reg" ]; then exit 0; fi
echo "Creating the Wine prefix $WINEPREFIX ..." >&2
if ! wineboot -i >/dev/null 2>&1; then
  echo "ERROR: wineboot could not create the Wine prefix at $WINEPREFIX" >&2
  exit 1
fi
wineserver -w || true
echo "Wine prefix ready." >&2
