#!/usr/bin/env bash
# Configures and builds Kestrova in build/ and installs the program tree into build/tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX="$PWD/build/tree" >/dev/null
cmake --build build -j"$(nproc)"
cmake --install build >/dev/null
