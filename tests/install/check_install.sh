#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the program, its
# desktop entry and its icons are there.
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
[ $fail -eq 0 ] && echo "install: program, desktop entry and icons in place"
exit $fail
