#!/usr/bin/env bash
# Starts corvex-sim on a pseudo-terminal and the utility pointed at it, in a
# world of their own under <build>/simulator/: per-user settings (COM1 leads
# to the simulator, CommPort 1), the local store CORVEX.ini beside a copy of
# the executable, and the simulator's memory image. The simulator stops when
# the utility ends. Usage: scripts/run-with-simulator.sh <build folder> [utility options]
set -euo pipefail
build="$(cd "${1:-build}" && pwd)"
world="$build/simulator"
mkdir -p "$world/bin" "$world/config/CORVEX"

# The store lives beside the executable: a copy of its own keeps the real one apart.
cp -f "$build/bin/corvex" "$world/bin/corvex"
# The translations beside the copy, where it looks for them.
mkdir -p "$world/share/corvex"
cp -rf "$build/share/corvex/translations" "$world/share/corvex/"

link="$world/corvex-line"
"$build/bin/corvex-sim" --demo --wire-timing --memory "$world/memory.bin" --link "$link" >"$world/sim.out" 2>"$world/sim.log" &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  [ -e "$link" ] && break
  kill -0 "$sim" 2>/dev/null || { cat "$world/sim.log" >&2; exit 1; }
  sleep 0.05
done

conf="$world/config/CORVEX/CORVEX.conf"
# Keep the window position saved there before; always point COM1 at this
# run's simulator and look for the instrument on COM1.
kept="$(grep -E '^(MainTop|MainLeft|Language)=' "$conf" 2>/dev/null || true)"
{
  printf '[Ports]\nCOM1=%s\n\n[Settings]\nCommPort=1\n' "$link"
  if [ -n "$kept" ]; then printf '%s\n' "$kept"; fi
} >"$conf"

XDG_CONFIG_HOME="$world/config" "$world/bin/corvex" "${@:2}"
