#!/usr/bin/env bash
# Compares the commands and options that corvexctl(1) describes with those
# that "corvexctl --help" and "corvexctl COMMAND --help" list, and says
# exactly what is missing where.
# Usage: check-manual-page.sh CORVEXCTL MANUAL_PAGE
set -euo pipefail
ctl=$1
page=$2
source "$(dirname "$0")/help-listing.sh"
export QT_QPA_PLATFORM=offscreen

# The first word of each ".TP" item in a section of the page, "\-" as "-".
page_items() {
  awk -v section="$1" '
    /^\.SH / { in_section = ($2 == section); next }
    in_section && previous == ".TP" {
      line = $0
      sub(/^\.[A-Z]+ +/, "", line); gsub(/\\-/, "-", line); gsub(/"/, "", line)
      split(line, words, /[ ,]/); print words[1]
    }
    { previous = $0 }' "$page" | sort -u
}

failures=()
help_commands=$("$ctl" --help | help_items "Commands:" | sort -u)
page_commands=$(page_items COMMANDS)
page_options=$(page_items OPTIONS)

for command in $(comm -23 <(echo "$help_commands") <(echo "$page_commands")); do
  failures+=("$page lacks the command $command (in \"corvexctl --help\"): add it under COMMANDS.")
done
for command in $(comm -13 <(echo "$help_commands") <(echo "$page_commands")); do
  failures+=("$page describes the command $command under COMMANDS, which \"corvexctl --help\" does not list.")
done

all_options="--help"
for command in $help_commands; do
  options=$("$ctl" "$command" --help | help_items "Options:" | sort -u)
  all_options+=$'\n'"$options"
  for option in $(comm -23 <(echo "$options") <(echo "$page_options")); do
    failures+=("$page lacks the option $option (in \"corvexctl $command --help\"): add it under OPTIONS.")
  done
done
for option in $(comm -13 <(echo "$all_options" | sort -u) <(echo "$page_options")); do
  failures+=("$page describes the option $option under OPTIONS, which no \"corvexctl COMMAND --help\" lists.")
done

if [ ${#failures[@]} -gt 0 ]; then
  printf '%s\n' "${failures[@]}" >&2
  exit 1
fi
echo "$page matches corvexctl: $(echo "$help_commands" | wc -l) commands, $(echo "$all_options" | sort -u | wc -l) options."
