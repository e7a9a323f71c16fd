#!/usr/bin/env bash
# Builds the utility and starts it. Until the desktop window is built, this
# starts the command-line tool; pass its arguments after the script name.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/bin/corvex ]; then
  exec build/bin/corvex "$@"
fi
exec build/bin/corvexctl "$@"
