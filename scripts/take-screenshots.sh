#!/usr/bin/env bash
# Screenshots of the utility under a virtual X server, against corvex-sim with
# demo data: the "Reagents" tab after Read ALL, the "Programs" tab after
# reading program 1, and then, against a Corvex that has stopped answering,
# the "Programs" tab while a read is tried again. Needs xvfb, xauth, xdotool
# and imagemagick. Options after the prefix go to the utility (--language de);
# QT_SCALE_FACTOR=2 takes them at twice the size (on a screen twice as large).
# Usage: scripts/take-screenshots.sh <build folder> <WIDTHxHEIGHT> <output prefix> [utility options]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 ${2}x24" "$0" "$@"
fi
build="$(cd "$1" && pwd)"
prefix="$3"
world="$(mktemp -d)"
mkdir -p "$world/bin" "$world/config/CORVEX"
cp "$build/bin/corvex" "$world/bin/corvex"
mkdir -p "$world/share/corvex"
cp -r "$build/share/corvex/translations" "$world/share/corvex/"
"$build/bin/corvex-sim" --demo --link "$world/line" >/dev/null 2>&1 &
sim=$!
utility=""
silent=""
cleanup() {
  [ -n "$utility" ] && kill "$utility" 2>/dev/null
  [ -n "$silent" ] && kill "$silent" 2>/dev/null
  kill "$sim" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$world"
}
trap cleanup EXIT
# Starts the utility with COM1 leading to the line `$1` and passes the notice.
start_utility() {
  for _ in $(seq 100); do [ -e "$1" ] && break; sleep 0.05; done
  printf '[Ports]\nCOM1=%s\n\n[Settings]\nCommPort=1\n' "$1" >"$world/config/CORVEX/CORVEX.conf"
  XDG_CONFIG_HOME="$world/config" "$world/bin/corvex" "${utility_options[@]}" &
  utility=$!
  sleep 1.5
  xdotool key Return                       # the notice
  sleep 1.5
  window="$(xdotool search --name 'Varnel Corvex - ' | head -1)"
}
utility_options=("${@:4}")

start_utility "$world/line"
scale=${QT_SCALE_FACTOR:-1}
click() { xdotool mousemove --window "$window" $(($1 * scale)) $(($2 * scale)) click 1; sleep "${3:-0.3}"; }
click 121 31                              # the "Reagents" tab
click 359 92 8                            # Read ALL from Corvex
xdotool mousemove --window "$window" $((300 * scale)) $((300 * scale)) click --repeat 80 --delay 5 4   # scroll to the top
click 300 240                             # a reagent line
import -window root "$prefix-reagents-screen.png"
import -window "$window" "$prefix-reagents.png"
click 40 31                               # back to the "Programs" tab
click 218 92 3                            # Read from Corvex (program 1)
click 420 300                             # a vial line
import -window root "$prefix-programs-screen.png"
import -window "$window" "$prefix-programs.png"

# The same window against a Corvex that answers only the identification.
kill "$utility"; wait "$utility" 2>/dev/null || true
"$build/bin/corvex-sim" --demo --silent-after 1 --link "$world/silent" >/dev/null 2>&1 &
silent=$!
start_utility "$world/silent"
click 218 92 7                            # Read from Corvex: no answer, tried again
import -window "$window" "$prefix-retry.png"
