#!/bin/sh
# The desktop entry passes desktop-file-validate, and its MimeType list names
# the type of every extension the file list accepts, as far as the system's
# MIME database knows the extension, so file managers offer the program for
# every file it can take.
set -eu
validate=$1 entry=$2 types_header=$3

"$validate" "$entry"

globs=/usr/share/mime/globs2
if [ ! -r "$globs" ]; then
  echo "no MIME database; the MimeType check is skipped"
  exit 0
fi
mimetypes=";$(sed -n 's/^MimeType=//p' "$entry")"
extensions=$(sed -n '/SupportedVideoExtensions/,/};/p' "$types_header" |
  grep -o '"[A-Z0-9-]*"' | tr -d '"' | tr 'A-Z' 'a-z')
[ -n "$extensions" ] || { echo "no extensions read from $types_header"; exit 1; }

status=0
for ext in $extensions; do
  # globs2 lines: weight:type:*.ext; the heaviest glob is the type of a name.
  type=$(awk -F: -v g="*.$ext" '$3 == g { print $1 " " $2 }' "$globs" | sort -rn | head -n1 |
    cut -d' ' -f2)
  [ -n "$type" ] || continue
  case "$mimetypes" in
    *";$type;"*) ;;
    *) echo "MimeType lacks $type (files ending in .$ext)"; status=1 ;;
  esac
done
exit $status
