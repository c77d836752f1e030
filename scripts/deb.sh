#!/usr/bin/env bash
# Builds the Debian package vinula-editor: a release build (never sanitized)
# in <build dir> with the flags Debian builds its own packages with, installed
# into a staging root, the programs stripped, manual pages and changelog
# compressed, Depends computed from the libraries the programs link. The
# package is written into <build dir>; its path is the last line printed.
# Usage: deb.sh <build dir>
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 <build dir>" >&2; exit 2; }
umask 022
koren=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
sestaveni=$(cd "$1" && pwd)
balik=vinula-editor
zmeny=$koren/dist/debian/changelog
verze=$(dpkg-parsechangelog -l "$zmeny" -S Version)
# File dates in the package: those of the newest changelog entry.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$zmeny" -S Timestamp)
export SOURCE_DATE_EPOCH

cd "$koren"
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --export=sh)"
cmake -S "$koren" -B "$sestaveni" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVINULA_SANITIZE=OFF -DVINULA_TESTS=OFF -DVINULA_BENCH=OFF -DVINULA_FUZZ=OFF \
    "-DCMAKE_CXX_FLAGS=$CPPFLAGS $CXXFLAGS" "-DCMAKE_EXE_LINKER_FLAGS=$LDFLAGS" >/dev/null
cmake --build "$sestaveni" -j "${JOBS:-2}"

# prace/koren: the package's files; prace/debian: what dpkg-gencontrol reads.
prace=$sestaveni/deb
obsah=$prace/koren
rm -rf "$prace" "$sestaveni/${balik}_"*.deb
mkdir -p "$obsah/DEBIAN" "$prace/debian"
DESTDIR=$obsah cmake --install "$sestaveni" >/dev/null

program=$("$obsah/usr/bin/vinula-mistnosti" --version)
if [ "$program" != "vinula-mistnosti $verze" ]; then
    echo "$zmeny: the newest entry is version $verze, the program says \"$program\";" \
         "add an entry for the project's version" >&2
    exit 1
fi

doc=$obsah/usr/share/doc/$balik
mkdir -p "$doc"
# The copyright file ends with "License: MIT"; the licence's text follows
# from LICENSE, so it is written once.
{ cat dist/debian/copyright; sed -e 's/^$/./' -e 's/^/ /' LICENSE; } >"$doc/copyright"
gzip -9n <"$zmeny" >"$doc/changelog.gz"
find "$obsah/usr/share/man" -type f -name '*.[1-9]' -exec gzip -9n {} +

programy=()
while IFS= read -r -d '' f; do
    if [ "$(head -c 4 "$f" | od -An -tx1 | tr -d ' ')" = 7f454c46 ]; then
        strip --remove-section=.comment --remove-section=.note "$f"
        programy+=("$f")
    fi
done < <(find "$obsah/usr" -type f -print0)
find "$obsah" -type d -exec chmod 0755 {} +

cp dist/debian/control "$zmeny" "$prace/debian/"
(cd "$prace" && dpkg-shlibdeps -Tdebian/substvars "${programy[@]}" &&
     dpkg-gencontrol -p"$balik" -Pkoren -Tdebian/substvars)
(cd "$obsah" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$obsah/DEBIAN/md5sums"
chmod 0644 "$obsah/DEBIAN/control" "$obsah/DEBIAN/md5sums"

deb=$sestaveni/${balik}_${verze}_$(dpkg --print-architecture).deb
dpkg-deb --root-owner-group -Zxz --build "$obsah" "$deb" >/dev/null
echo "$deb"
