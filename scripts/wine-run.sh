#!/usr/bin/env bash
# Runs one Windows program under Wine with the project's own quiet prefix (out/wineprefix).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
export WINEPREFIX="${ORV_WINEPREFIX:-$root/out/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win32
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$here/wine-prefix.sh" || exit 1
fi
exec wine "$@"
