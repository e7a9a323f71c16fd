#!/usr/bin/env bash
# Screenshots of File > Compare... (the Corvex against the local store) and
# File > Transfer Log... (the failed backup's message shown whole) under a virtual X server, against corvex-sim with
# demo data changed by a few corvexctl transfers. Needs xvfb, xauth, xdotool
# and imagemagick.
# Usage: scripts/take-dialog-screenshots.sh <build folder> <WIDTHxHEIGHT> <output prefix>
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 ${2}x24" "$0" "$@"
fi
build="$(cd "$1" && pwd)"
prefix="$3"
world="$(mktemp -d)"
mkdir -p "$world/bin" "$world/config/CORVEX" "$world/data"
export XDG_CONFIG_HOME="$world/config" XDG_DATA_HOME="$world/data"
cp "$build/bin/corvex" "$world/bin/corvex"
"$build/bin/corvex-sim" --demo --link "$world/line" >/dev/null 2>&1 &
sim=$!
"$build/bin/corvex-sim" --demo --silent-after 700 --link "$world/silent" >/dev/null 2>&1 &
silent=$!
utility=""
cleanup() {
  [ -n "$utility" ] && kill "$utility" 2>/dev/null
  kill "$sim" "$silent" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$world"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -e "$world/line" ] && [ -e "$world/silent" ] && break; sleep 0.05; done
printf '[Ports]\nCOM1=%s\n\n[Settings]\nCommPort=1\n' "$world/line" >"$world/config/CORVEX/CORVEX.conf"

# The local store is a backup of the Corvex; then the Corvex changes.
ctl() { "$build/bin/corvexctl" "$@" 2>/dev/null || true; }
ctl backup "$world/bin/CORVEX.ini" --port "$world/line"
ctl export-program 2 "$world/biopsy.txt" --store "$world/bin/CORVEX.ini"
sed -i 's/^V03Min=15/V03Min=25/; s/^V05Temp=0/V05Temp=40/' "$world/biopsy.txt"
ctl import-program 2 "$world/biopsy.txt" --store "$world/changed.ini"
ctl send-program 2 --port "$world/line" --store "$world/changed.ini"
ctl send-reagent 11 "Xylene 2" --port "$world/line" --store "$world/changed.ini"
ctl backup "$world/friday.ini" --port "$world/silent" --tick-ms 50

"$world/bin/corvex" &
utility=$!
sleep 1.5
xdotool key Return                        # the notice
sleep 1.5
window="$(xdotool search --name 'Varnel Corvex - ' | head -1)"
xdotool windowfocus "$window"; sleep 0.3; xdotool key alt+f; sleep 0.5; xdotool key c   # File > Compare...
sleep 1
compare="$(xdotool search --name '^Compare' | head -1)"
xdotool windowfocus "$compare"; sleep 0.3
xdotool key alt+c                         # Compare: the Corvex with the local store
sleep 6
import -window root "$prefix-compare.png"
xdotool key Escape
sleep 0.5
xdotool windowfocus "$window"; sleep 0.3; xdotool key alt+f; sleep 0.5; xdotool key l   # File > Transfer Log...
sleep 1
log="$(xdotool search --name '^Transfer Log$' | head -1)"
xdotool mousemove --window "$log" 300 101 click 1; sleep 0.5   # the failed backup: its message below
import -window root "$prefix-transfer-log.png"
