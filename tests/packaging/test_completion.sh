#!/bin/bash
# The bash completion offers every command of `zelmora-cli --help` and every
# long option of each command's own --help. bash-completion's helpers are
# stood in for, so the test needs only bash.
set -u
cli=$1 completion=$2

_init_completion() {
  cur=${COMP_WORDS[COMP_CWORD]}
  prev=${COMP_WORDS[COMP_CWORD - 1]}
  words=("${COMP_WORDS[@]}")
  cword=$COMP_CWORD
}
_filedir() { COMPREPLY=(FILE); }
complete() { :; }
# shellcheck source=/dev/null
source "$completion"

# Completes the words given, the last one being the word under the cursor.
offered() {
  COMP_WORDS=(zelmora-cli "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _zelmora_cli
  printf '%s\n' "${COMPREPLY[@]}"
}

status=0
names=$("$cli" --help | sed -n '/^Commands:/,$p' | sed -n 's/^  \([^ ][^ ]*\) .*/\1/p')
[ -n "$names" ] || { echo "no commands read from zelmora-cli --help"; exit 1; }
for name in $names; do
  if ! offered "" | grep -qx -- "$name"; then
    echo "'zelmora-cli <Tab>' does not offer '$name'"
    status=1
  fi
  case $name in -*) continue ;; esac
  sub_help=$("$cli" "$name" --help 2>/dev/null) || continue
  for option in $(printf '%s\n' "$sub_help" | grep -o -- '\(^\|[ [,]\)--[a-z][a-z0-9-]*' |
    sed 's/^[ [,]//' | sort -u); do
    if ! offered "$name" -- | grep -qx -- "$option"; then
      echo "'zelmora-cli $name --<Tab>' does not offer '$option'"
      status=1
    fi
  done
done

# Values of the options that take a fixed set.
[ "$(offered convert --format "" | tr '\n' ' ')" = "avi mpg " ] || { echo "--format values"; status=1; }
[ "$(offered analyze --depth q)" = "quick" ] || { echo "--depth values"; status=1; }
[ "$(offered convert --profile "")" = "FILE" ] || { echo "--profile takes a file"; status=1; }
exit $status
