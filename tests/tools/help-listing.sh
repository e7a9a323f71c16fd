# Entries of a "corvexctl --help" listing: the first word of the indented
# lines after the heading. Sourced by the checks of the manual page and the completion.
help_items() {
  awk -v heading="$1" '
    $0 == heading { listing = 1; next }
    listing && /^  [^ ]/ { print $1; next }
    listing && /^$/ { listing = 0 }'
}
