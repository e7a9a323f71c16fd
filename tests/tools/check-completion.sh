#!/usr/bin/env bash
# Checks the bash completion of corvexctl: its commands and each command's
# options are those that "corvexctl --help" lists, and the completion
# offers what fits where the cursor is.
# Usage: check-completion.sh CORVEXCTL COMPLETION_FILE
set -uo pipefail
ctl=$1
# shellcheck source=/dev/null
source "$2"
source "$(dirname "$0")/help-listing.sh"
export QT_QPA_PLATFORM=offscreen
words() { tr ' \n' '\n\n' | sed '/^$/d' | sort -u | tr '\n' ' '; }

failures=()
help_commands=$("$ctl" --help | help_items "Commands:" | words)
[ "$(echo "$_corvexctl_commands" | words)" = "$help_commands" ] ||
  failures+=("the completion's commands are \"$(echo "$_corvexctl_commands" | words)\", corvexctl --help lists \"$help_commands\"")
for command in $help_commands; do
  listed=$("$ctl" "$command" --help | help_items "Options:" | { cat; echo --help; } | words)
  offered=$(_corvexctl_options "$command" | words)
  [ "$offered" = "$listed" ] ||
    failures+=("after $command the completion offers the options \"$offered\", \"corvexctl $command --help\" lists \"$listed\"")
done

# complete LINE EXPECTED: the words offered for the last word of LINE (a
# trailing space starts a new word) must be EXPECTED, in any order.
complete_line() {
  local line=$1 expected=$2
  read -ra COMP_WORDS <<<"$line"
  [[ $line == *' ' ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _corvexctl corvexctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | words)
  [ "$got" = "$(echo "$expected" | words)" ] || failures+=("\"$line\" completes to \"$got\", expected \"$expected\"")
}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/routine.txt" "$folder/other.txt" "$folder/CORVEX.ini"
complete_line "corvexctl show-r" "show-reagents"
complete_line "corvexctl --store $folder/CORVEX.ini prin" "print-programs print-reagents"
complete_line "corvexctl read-program 9" "9 90 91 92 93 94 95 96 97 98 99"
complete_line "corvexctl print-programs 1 9" "9 90 91 92 93 94 95 96 97 98 99"
complete_line "corvexctl export-program 7 $folder/r" "$folder/routine.txt"
complete_line "corvexctl --store $folder/" "$folder/CORVEX.ini"
complete_line "corvexctl identify --port 1" "1 10 11 12 13 14 15 16"
complete_line "corvexctl send-reagent 12 " ""
complete_line "corvexctl read-reagents --s" "--store"

if [ ${#failures[@]} -gt 0 ]; then
  printf 'Completion: %s\n' "${failures[@]}" >&2
  exit 1
fi
echo "The completion matches corvexctl."
