#!/usr/bin/env bash
# Sets everything up and starts Kestrova from its installed tree (build/tree/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kestrova is built and installed in $PWD/build/tree, but no display is available." >&2
    echo "Start it on a virtual screen with:  xvfb-run -a -s '-screen 0 1280x1024x24' bash scripts/run.sh" >&2
    exit 1
fi
cd build/tree/bin
exec ./kestrova "$@"
