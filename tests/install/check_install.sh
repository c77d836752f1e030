#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its
# desktop entry and its icons are there, and that the installed
# vinula-mistnosti does its four jobs on a small room file.
# Usage: check_install.sh <build dir>
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null

fail=0
expect() { [ -e "$prefix/$1" ] || { echo "missing: $1"; fail=1; }; }
expect bin/vinula-editor
expect share/applications/vinula-editor.desktop
for size in 32 64 128; do
    expect "share/icons/hicolor/${size}x${size}/apps/vinula-editor.png"
done
[ -x "$prefix/bin/vinula-editor" ] || { echo "not executable: bin/vinula-editor"; fail=1; }

desktop="$prefix/share/applications/vinula-editor.desktop"
if [ -f "$desktop" ]; then
    for key in 'Type=Application' 'Exec=vinula-editor' 'Icon=vinula-editor' 'Name=Vinula – editor místností'; do
        grep -qxF "$key" "$desktop" || { echo "desktop entry lacks: $key"; fail=1; }
    done
    grep -qE '^Categories=.*(Game|Development);' "$desktop" || { echo "desktop entry lacks a category"; fail=1; }
fi
# The icon is a real picture of the right size: a PNG header with width 64.
icon="$prefix/share/icons/hicolor/64x64/apps/vinula-editor.png"
if [ -f "$icon" ]; then
    [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' ')" = "89504e470d0a1a0a" ] || { echo "icon is not a PNG"; fail=1; }
    [ "$(od -An -j16 -N4 -tu1 "$icon" | tr -s ' ')" = " 0 0 0 64" ] || { echo "icon is not 64 wide"; fail=1; }
fi

# vinula-mistnosti and its manual page. One room "Pokus": the vinula at (0, 5)
# (record byte 55) and a red apple, code 111, at (1, 0) (byte 70).
expect bin/vinula-mistnosti
expect share/man/man1/vinula-mistnosti.1
export ASAN_OPTIONS=detect_leaks=0
nastroj="$prefix/bin/vinula-mistnosti"
prace="$prefix/prace"
mkdir "$prace"
{ printf 'Pokus%45s' ''; head -c 5 /dev/zero; printf '\001'; head -c 14 /dev/zero
  printf '\157'; head -c 579 /dev/zero; } >"$prace/POKUS.DAT"
over() { # <what> <command...>: the command must succeed
    local co=$1; shift
    "$@" >"$prace/vystup" 2>&1 || { echo "vinula-mistnosti $co failed:"; cat "$prace/vystup"; fail=1; }
}
over seznam "$nastroj" seznam "$prace/POKUS.DAT"
grep -qxF '      1  (0, 5)         1    0  v pořádku                            Pokus' "$prace/vystup" ||
    { echo "seznam lists the room wrongly:"; cat "$prace/vystup"; fail=1; }
over kontrola "$nastroj" kontrola "$prace/POKUS.DAT"
over vyjmout "$nastroj" vyjmout "$prace/POKUS.DAT" 1,1 -o "$prace/DVA.DAT"
cat "$prace/POKUS.DAT" "$prace/POKUS.DAT" | cmp -s - "$prace/DVA.DAT" ||
    { echo "vyjmout 1,1 did not write the room twice"; fail=1; }
over obrazek "$nastroj" obrazek "$prace/POKUS.DAT" 1 -o "$prace/mistnost.png"
over "obrazek (arch)" "$nastroj" obrazek "$prace/DVA.DAT" -o "$prace/arch.png"
# A PNG 600 pixels wide (0x258 in the header's width field).
[ "$(od -An -j12 -N8 -tx1 "$prace/mistnost.png" 2>/dev/null | tr -d ' ')" = "4948445200000258" ] ||
    { echo "obrazek did not draw a 600-pixel-wide PNG"; fail=1; }
[ -s "$prace/arch.png" ] || { echo "obrazek drew no sheet"; fail=1; }
# Tiled's extension, enabled as the manual page says, opens the room file in
# the real Tiled and saves it back unchanged with the installed program.
expect share/vinula-mistnosti/vinula-mistnosti.js
if command -v tiled >/dev/null; then
    cp "$prace/POKUS.DAT" "$prace/ZPET.DAT"
    (export HOME="$prace" XDG_CONFIG_HOME="$prace/.config" XDG_CACHE_HOME="$prace/.cache" \
        XDG_RUNTIME_DIR="$prace" QT_QPA_PLATFORM=offscreen PATH="$prefix/bin:$PATH"
     mkdir -p ~/.config/tiled/extensions &&
         ln -s "$prefix/share/vinula-mistnosti/vinula-mistnosti.js" ~/.config/tiled/extensions/
     tiled --export-map tmx "$prace/ZPET.DAT" "$prace/zpet.tmx" &&
         tiled --export-map vinula "$prace/zpet.tmx" "$prace/ZPET.DAT") >/dev/null 2>&1 &&
        grep -q 'name="Pokus"' "$prace/zpet.tmx" && cmp -s "$prace/POKUS.DAT" "$prace/ZPET.DAT" ||
        { echo "the installed Tiled extension does not open and save POKUS.DAT"; fail=1; }
fi
if command -v man >/dev/null; then
    MANWIDTH=80 man -l "$prefix/share/man/man1/vinula-mistnosti.1" 2>&1 | grep -q '^ČÍSLA MÍSTNOSTÍ' ||
        { echo "the manual page does not render"; fail=1; }
fi

[ $fail -eq 0 ] && echo "install: programs, manual page, desktop entry and icons in place; vinula-mistnosti works"
exit $fail
