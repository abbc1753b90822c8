#!/usr/bin/env bash
# Creates the project's 32-bit Wine prefix once, without the Mono and Gecko installer dialogs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
export WINEPREFIX="${ORV_WINEPREFIX:-$root/out/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
# Xvfb runs no window manager: unmanaged windows spare Wine its two-second wait for one on every
# window shown or hidden.
unmanaged() {
  grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || return 1
  wineserver -w || true
}
if [ -f "$WINEPREFIX/system.reg" ]; then unmanaged; exit 0; fi
mkdir -p "$(dirname "$WINEPREFIX")"
lock="$WINEPREFIX.lock"
exec 9>"$lock"
flock 9
if [ -f "$WINEPREFIX/system.reg" ]; then unmanaged; exit 0; fi
echo "Creating the Wine prefix $WINEPREFIX ..." >&2
if ! wineboot -i >/dev/null 2>&1; then
  echo "ERROR: wineboot could not create the Wine prefix at $WINEPREFIX" >&2
  exit 1
fi
wineserver -w || true
if ! unmanaged; then
  echo "ERROR: could not set up the Wine prefix at $WINEPREFIX for a desktop without a window manager" >&2
  exit 1
fi
echo "Wine prefix ready." >&2
