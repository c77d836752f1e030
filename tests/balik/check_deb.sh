#!/usr/bin/env bash
# Builds the Debian package with scripts/deb.sh in a release build dir of its
# own and checks it: its name and version against the project's version and
# what the programs show, the files it holds, Depends against the libraries
# the programs really link, then lintian, desktop-file-validate and
# appstreamcli on the package's own files.
# Usage: check_deb.sh <source dir> <build dir for the package> <project version>
set -euo pipefail
koren=$1 sestaveni=$2 verze=$3
prace=$(mktemp -d)
trap 'rm -rf "$prace"' EXIT

"$koren/scripts/deb.sh" "$sestaveni" >"$prace/sestaveni.log" 2>&1 ||
    { cat "$prace/sestaveni.log"; echo "scripts/deb.sh failed"; exit 1; }
deb=$sestaveni/vinula-editor_${verze}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$sestaveni"; echo "no package named $deb"; exit 1; }

fail=0
chyba() { echo "$*"; fail=1; }
dpkg-deb -x "$deb" "$prace/koren"
koren_balik=$prace/koren

# One version everywhere: the package, vinula-mistnosti --version, the about
# window's version line (a UTF-16 literal in the editor), both manual pages
# and the changelog's newest entry.
[ "$(dpkg-deb -f "$deb" Version)" = "$verze" ] || chyba "package version $(dpkg-deb -f "$deb" Version), project $verze"
[ "$("$koren_balik/usr/bin/vinula-mistnosti" --version)" = "vinula-mistnosti $verze" ] ||
    chyba "vinula-mistnosti --version does not say $verze"
utf16=$(printf 'Verze %s' "$verze" | od -An -tx1 -v | tr -d ' \n' | sed 's/../\\x&\\x00/g')
LC_ALL=C grep -qaP "$utf16" "$koren_balik/usr/bin/vinula-editor" ||
    chyba "the editor's about window does not show \"Verze $verze\""
for m in vinula-editor vinula-mistnosti; do
    zcat "$koren_balik/usr/share/man/man1/$m.1.gz" | grep -q "^\.TH .* \"$m $verze\"" ||
        chyba "manual page $m.1 does not name version $verze"
done
zcat "$koren_balik/usr/share/doc/vinula-editor/changelog.gz" >"$prace/changelog"
[ "$(dpkg-parsechangelog -l "$prace/changelog" -S Version)" = "$verze" ] ||
    chyba "the changelog's newest entry is not $verze"

# Every file and directory with its mode and owner, nothing more.
cat >"$prace/cekane" <<'EOF'
-rwxr-xr-x root/root ./usr/bin/vinula-editor
-rwxr-xr-x root/root ./usr/bin/vinula-mistnosti
-rw-r--r-- root/root ./usr/share/applications/vinula-editor.desktop
-rw-r--r-- root/root ./usr/share/doc/vinula-editor/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/vinula-editor/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/128x128/apps/vinula-editor.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/32x32/apps/vinula-editor.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/64x64/apps/vinula-editor.png
-rw-r--r-- root/root ./usr/share/man/man1/vinula-editor.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/vinula-mistnosti.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/com.example.vinula_editor.metainfo.xml
-rw-r--r-- root/root ./usr/share/vinula-mistnosti/vinula-mistnosti.js
EOF
dpkg-deb -c "$deb" | awk '{print $1, $2, $6}' >"$prace/vse"
grep -v '^d' "$prace/vse" | sort -k3 >"$prace/soubory"
diff -u "$prace/cekane" "$prace/soubory" || chyba "the package's files differ from the list above"
grep '^d' "$prace/vse" | grep -v '^drwxr-xr-x root/root ' && chyba "directories other than 0755 root/root"

# Depends: exactly the packages that own the libraries the programs link
# (their NEEDED entries), whatever the versions; nothing written by hand,
# no development package.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for program in "$koren_balik"/usr/bin/*; do
    readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
done | sort -u | while read -r knihovna; do
    dpkg -S "*/$multiarch/$knihovna" | sed 's/[:,].*//' || echo "$knihovna: in no package"
done | sort -u >"$prace/cekane_zavislosti"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (:].*//' | sort -u >"$prace/zavislosti"
diff -u "$prace/cekane_zavislosti" "$prace/zavislosti" ||
    chyba "Depends is not the set of packages owning the linked libraries"
grep -q -- '-dev$' "$prace/zavislosti" && chyba "Depends names a development package"

# The validators. lintian: neither errors nor warnings.
lintian --fail-on error,warning "$deb" 2>/dev/null || chyba "lintian finds errors or warnings"
desktop="$koren_balik/usr/share/applications/vinula-editor.desktop"
desktop-file-validate "$desktop" >"$prace/desktop" 2>&1 || chyba "desktop-file-validate fails"
grep -E 'error:|warning:' "$prace/desktop" && chyba "desktop-file-validate warns"
# The metadata alone, then within the package's tree (its desktop entry
# and icons there).
appstreamcli validate --no-net "$koren_balik"/usr/share/metainfo/*.metainfo.xml || chyba "appstreamcli validate fails"
appstreamcli validate-tree --no-net "$koren_balik" || chyba "appstreamcli validate-tree fails"

[ $fail -eq 0 ] && echo "package: $(basename "$deb"), files, version, Depends and the three validators all right"
exit $fail
