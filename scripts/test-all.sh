#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test (Windows tests under Wine in Xvfb).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"

"$here/install-deps.sh"

echo "== host build and tests"
"$here/build.sh" host
if ! ctest --test-dir "$root/out/host" --output-on-failure -j "$(nproc)"; then
  echo "ERROR: host tests failed" >&2
  exit 1
fi

echo "== windows build and tests (under Wine)"
"$here/build.sh" windows
"$here/wine-prefix.sh"
if ! xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$root/out/windows" --output-on-failure; then
  echo "ERROR: windows tests failed" >&2
  exit 1
fi
echo "== all tests passed"
