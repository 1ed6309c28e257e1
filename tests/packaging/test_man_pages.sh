#!/bin/sh
# zelmora-cli(1) keeps up with the program: every command that
# `zelmora-cli --help` lists has an entry under COMMANDS, and every option
# that a command's own --help shows is described. Both pages format without
# warnings.
set -eu
cli=$1 man_dir=$2
page=$man_dir/zelmora-cli.1

for p in "$page" "$man_dir/zelmora.1"; do
  warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$p" 2>&1 || true)
  if [ -n "$warnings" ]; then
    echo "$p: $warnings"
    exit 1
  fi
done

# The source without roff's escaped dashes and font changes, one word per
# .B/.BR line, is what the names are looked for in.
plain=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$page")
commands=$(sed -n '/^\.SH COMMANDS/,/^\.SH /p' "$page" | sed -n 's/^\.B //p' | sed 's/\\-/-/g')

help=$("$cli" --help)
names=$(printf '%s\n' "$help" | sed -n '/^Commands:/,$p' | sed -n 's/^  \([^ ][^ ]*\) .*/\1/p')
[ -n "$names" ] || { echo "no commands read from zelmora-cli --help"; exit 1; }

status=0
for name in $names; do
  if ! printf '%s\n' "$commands" | grep -qx -- "$name"; then
    echo "COMMANDS of zelmora-cli(1) lacks '$name'"
    status=1
  fi
  case $name in -*) continue ;; esac
  # A command with help of its own: each option it lists is in the page.
  sub_help=$("$cli" "$name" --help 2>/dev/null) || continue
  options=$(printf '%s\n' "$sub_help" | grep -o -- '\(^\|[ [,]\)--*[a-z][a-z0-9-]*' |
    sed 's/^[ [,]//' | sort -u)
  for option in $options; do
    if ! printf '%s\n' "$plain" | grep -q -- "$option\\([^a-z0-9-]\\|\$\\)"; then
      echo "zelmora-cli(1) does not describe '$option' of '$name'"
      status=1
    fi
  done
done
exit $status
