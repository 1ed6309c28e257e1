#!/bin/sh
# Packs the built tree with CPack, checks the package's control fields and
# files with dpkg-deb, unpacks it into a temporary root and runs the
# command-line program from there on a generated clip.
set -eu
cpack=$1 build=$2 flavour=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/out/zelmora_*.deb)
status=0
fail() { echo "$*"; status=1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zelmora ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.5 ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
field Description | grep -q "batch video converter" || fail "Description: $(field Description)"
depends=", $(field Depends),"
for package in ffmpeg libmediainfo0v5 zlib1g; do
  case "$depends" in *", $package"[,\ ]*) ;; *) fail "Depends lacks $package: $depends" ;; esac
done
case "$depends" in *libcurl*) ;; *) fail "Depends lacks libcurl: $depends" ;; esac
if [ "$flavour" = gui ]; then
  for package in libqt6core6 libqt6gui6 libqt6widgets6; do
    case "$depends" in *", $package"[,\ ]*) ;; *) fail "Depends lacks $package" ;; esac
  done
fi

# Every shared library a binary needs comes from a package it depends on.
dpkg-deb -x "$deb" "$tmp/root"
for binary in "$tmp"/root/usr/lib/zelmora/zelmora*; do
  [ -x "$binary" ] && [ ! -L "$binary" ] || continue
  case $binary in *.installed) continue ;; esac
  for lib in $(objdump -p "$binary" | awk '$1 == "NEEDED" { print $2 }'); do
    owner=$(dpkg -S "*/$lib" 2>/dev/null | grep -v -e i386 -e '^diversion' | head -n1 | cut -d: -f1)
    [ -n "$owner" ] || continue
    case "$depends" in *", $owner"[,\ ]*) ;; *) fail "$(basename "$binary") needs $lib of $owner, not in Depends" ;; esac
  done
done

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for f in ./usr/bin/zelmora-cli ./usr/lib/zelmora/zelmora-cli ./usr/lib/zelmora/zelmora.installed \
  ./usr/lib/zelmora/lang/English.ini ./usr/lib/zelmora/profiles/DVD_PAL.ini \
  ./usr/share/applications/zelmora.desktop ./usr/share/metainfo/org.example.zelmora.Zelmora.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/zelmora.svg ./usr/share/icons/hicolor/48x48/apps/zelmora.png \
  ./usr/share/man/man1/zelmora-cli.1.gz ./usr/share/man/man1/zelmora.1.gz \
  ./usr/share/bash-completion/completions/zelmora-cli; do
  printf '%s\n' "$files" | grep -qx -- "$f" || fail "the package lacks $f"
done
[ "$flavour" != gui ] || printf '%s\n' "$files" | grep -qx ./usr/lib/zelmora/zelmora ||
  fail "the package lacks the window program"
# Nothing in the package belongs to anyone but root.
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print }' | grep . && fail "files not owned by root"

# The unpacked program, started through its link.
cli=$tmp/root/usr/bin/zelmora-cli
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config"
mkdir -p "$HOME"
"$cli" --version | grep -q "^Zelmora 1\.5  \[" || fail "--version: $("$cli" --version)"
clip="$tmp/a clip.webm"
ffmpeg -v error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 -f lavfi -i sine=duration=1 \
  -c:v libvpx -b:v 200k -c:a libvorbis -y "$clip"
report=$("$cli" analyze "$clip") || fail "analyze failed: $report"
printf '%s\n' "$report" | grep -q "160" || fail "analyze does not report the width: $report"
exit $status
