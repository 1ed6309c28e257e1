#!/bin/sh
# `cmake --install` lays out the program folder, the links, the desktop
# files and the manual pages, and the installed program keeps what it
# writes in $XDG_CONFIG_HOME/zelmora, never in its own folder.
set -eu
cmake=$1 build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root

"$cmake" --install "$build" --prefix "$root/usr" >/dev/null

status=0
for f in lib/zelmora/zelmora-cli lib/zelmora/zelmora.installed lib/zelmora/lang/English.ini \
  lib/zelmora/profiles/DVD_PAL.ini lib/zelmora/data \
  share/applications/zelmora.desktop share/metainfo/org.example.zelmora.Zelmora.metainfo.xml \
  share/icons/hicolor/scalable/apps/zelmora.svg share/icons/hicolor/16x16/apps/zelmora.png \
  share/icons/hicolor/256x256/apps/zelmora.png share/man/man1/zelmora-cli.1.gz \
  share/man/man1/zelmora.1.gz share/bash-completion/completions/zelmora-cli; do
  [ -e "$root/usr/$f" ] || { echo "missing: /usr/$f"; status=1; }
done
[ "$(readlink "$root/usr/bin/zelmora-cli")" = "../lib/zelmora/zelmora-cli" ] ||
  { echo "/usr/bin/zelmora-cli is not a relative link into the program folder"; status=1; }

# Started through the link, with a configuration home of its own (a name
# with a blank and a quote, as a user's may be).
config="$tmp/config home's"
mkdir -p "$tmp/home"
paths=$(HOME="$tmp/home" XDG_CONFIG_HOME="$config" "$root/usr/bin/zelmora-cli" paths)
expect() {
  printf '%s\n' "$paths" | grep -qx "$1:  *$2" || { echo "paths: $1 is not $2"; status=1; }
}
expect AppDir "$root/usr/lib/zelmora"
expect LangDir "$root/usr/lib/zelmora/lang"
expect IniName "$config/zelmora/zelmora.ini"
expect ProfilesDir "$config/zelmora/profiles"
expect AudioBitratesTxt "$config/zelmora/audio_bitrates.txt"
expect ConfigDir "$config/zelmora/\\?"

# Without the marker the same tree is a portable program again.
rm "$root/usr/lib/zelmora/zelmora.installed"
paths=$(HOME="$tmp/home" XDG_CONFIG_HOME="$config" "$root/usr/bin/zelmora-cli" paths)
expect IniName "$root/usr/lib/zelmora/zelmora.ini"
expect ConfigDir "$root/usr/lib/zelmora/\\?"
[ -z "$(ls -A "$tmp/home")" ] || { echo "something was written to HOME"; status=1; }
exit $status
