#!/usr/bin/env bash
# Builds the utility and starts it.
#   ./run.sh              the Corvex Utility on this machine's serial ports
#   ./run.sh --simulator  the utility against a simulated Corvex (demo data,
#                         9600-baud timing) on a pseudo-terminal, with
#                         settings and local store of its own under
#                         build/simulator/, so nothing of the real ones changes
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target corvex corvex-sim

if [ "${1:-}" != "--simulator" ]; then
  exec build/bin/corvex "$@"
fi
exec scripts/run-with-simulator.sh build "${@:2}"
