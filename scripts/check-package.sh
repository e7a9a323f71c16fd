#!/usr/bin/env bash
# Checks the Debian package that "cpack -G DEB" wrote into a build folder:
# lintian finds no errors, the desktop entry and the AppStream metadata in it
# validate; then it installs the package into this system (root only),
# checks the manual pages, the completion and where the store goes, and
# removes the package again, also when a check fails.
# Usage: scripts/check-package.sh [BUILD_FOLDER]
set -euo pipefail
build=${1:-build}
started=$SECONDS

shopt -s nullglob
packages=("$build"/corvex-utility_*_"$(dpkg --print-architecture)".deb)
if [ ${#packages[@]} -ne 1 ]; then
  echo "check-package: expected one corvex-utility_*.deb in $build, found ${#packages[@]}" >&2
  exit 1
fi
deb=${packages[0]}
work=$(mktemp -d)
installed=false
simulator=""
cleanup() {
  [ -z "$simulator" ] || kill "$simulator" 2>/dev/null || true
  if $installed; then
    dpkg -r corvex-utility >/dev/null || echo "check-package: could not remove corvex-utility" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "check-package: $*" >&2
  exit 1
}

echo "== lintian $deb"
status=0
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || status=$?
grep -v "running with root privileges" "$work/lintian.txt" || true
echo "lintian: $(grep -c '^E:' "$work/lintian.txt") errors, $(grep -c '^W:' "$work/lintian.txt") warnings"
[ $status -eq 0 ] || fail "lintian reports errors"

echo "== contents"
dpkg-deb -x "$deb" "$work/root"
for program in corvex corvexctl corvex-sim; do
  [ -x "$work/root/usr/bin/$program" ] || fail "/usr/bin/$program is missing"
  [ -f "$work/root/usr/share/man/man1/$program.1.gz" ] || fail "the manual page $program(1) is missing"
done
desktop-file-validate "$work/root/usr/share/applications/corvex.desktop"
metainfo=("$work"/root/usr/share/metainfo/*.metainfo.xml)
[ ${#metainfo[@]} -eq 1 ] || fail "expected one AppStream file, found ${#metainfo[@]}"
appstreamcli validate --no-net "${metainfo[0]}"

[ "$(id -u)" -eq 0 ] || { echo "== not root: installing skipped"; exit 0; }

echo "== install"
dpkg -i "$deb" >/dev/null
installed=true
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/corvex.desktop)
[ "$(command -v "${exec_line%% *}")" = /usr/bin/corvex ] || fail "the desktop entry does not start /usr/bin/corvex"
for program in corvex corvexctl corvex-sim; do
  man -w "$program" >/dev/null || fail "man does not find $program(1)"
done
page=$(man corvexctl 2>/dev/null) || fail "man corvexctl failed"
[[ $page == *"SERIAL PORT ACCESS"* ]] || fail "man corvexctl does not show the page"

# Tab completion as an interactive shell loads it, on demand.
completed=$(bash -c 'source /usr/share/bash-completion/bash_completion
  _completion_loader corvexctl
  COMP_WORDS=(corvexctl export-); COMP_CWORD=1; COMP_LINE="corvexctl export-"; COMP_POINT=${#COMP_LINE}
  _corvexctl corvexctl export- corvexctl
  echo "${COMPREPLY[*]}"')
[ "$completed" = export-program ] || fail "Tab after \"corvexctl export-\" gives \"$completed\""

# Installed programs keep the store in the per-user data folder, even for
# root; removing the package leaves it there.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
corvex-sim --demo --link "$work/tty" >/dev/null &
simulator=$!
for _ in $(seq 50); do [ -e "$work/tty" ] && break; sleep 0.1; done
corvexctl read-program 1 --port "$work/tty" 2>/dev/null || fail "corvexctl read-program from corvex-sim failed"
kill "$simulator"
wait "$simulator" || true
simulator=""
[ -f "$work/data/CORVEX/CORVEX.ini" ] || fail "the store is not in the per-user data folder"
[ ! -e /usr/bin/CORVEX.ini ] || fail "the store was written into /usr/bin"

echo "== remove"
dpkg -r corvex-utility >/dev/null
installed=false
[ ! -e /usr/bin/corvexctl ] || fail "dpkg -r left /usr/bin/corvexctl"
! dpkg-query -W -f='${db:Status-Status}\n' corvex-utility 2>/dev/null | grep -qv not-installed ||
  fail "dpkg -r left corvex-utility registered"
[ -f "$work/data/CORVEX/CORVEX.ini" ] || fail "removing the package removed the user's store"

echo "== package checks passed in $((SECONDS - started)) s"
