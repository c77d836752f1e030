#!/usr/bin/env bash
# Tiled itself as the designer starts it, on a private X server (run under
# run_e2e.sh): `tiled --new-instance HRA.DAT` with the extension enabled
# shows a layer per room, named by it, room 1 on top. Two saves in a row,
# each after renaming the top layer, both land: the second finds the file as
# the first one left it. A small extension beside ours plays the designer.
# Usage: tiled_gui.sh <vinula-mistnosti> <extension>
set -euo pipefail
prace=$(mktemp -d)
tiled=
trap '[ -n "$tiled" ] && kill "$tiled" 2>/dev/null; rm -rf "$prace"' EXIT
export HOME="$prace" XDG_CONFIG_HOME="$prace" XDG_CACHE_HOME="$prace" XDG_RUNTIME_DIR="$prace"
export PATH="$(dirname "$1"):$PATH" ASAN_OPTIONS=detect_leaks=0
mkdir -p "$prace/tiled/extensions"
ln -s "$2" "$prace/tiled/extensions/"
cat >"$prace/tiled/extensions/navrhar.js" <<'JS'
var ulozeni = 0;
function zapis(text) {
    var f = new TextFile(tiled.extensionsPath + "/../../log", TextFile.Append);
    f.writeLine(text);
    f.commit();
}
tiled.assetOpened.connect(function (mapa) {
    var jmena = [];
    for (var i = mapa.layerCount - 1; i >= 0; --i)
        jmena.push(mapa.layerAt(i).name + (mapa.layerAt(i).visible ? "*" : ""));
    zapis("vrstvy " + jmena.join(","));
    mapa.layerAt(mapa.layerCount - 1).name = "Nova1";
    tiled.trigger("Save");
});
tiled.assetSaved.connect(function (mapa) {
    zapis("ulozeno " + ++ulozeni);
    if (ulozeni == 1) {
        mapa.layerAt(mapa.layerCount - 1).name = "Nova2";
        tiled.trigger("Save");
    } else {
        // A refusal comes back as the save's error, the tool's reason.
        mapa.layerAt(0).name = new Array(52).join("x");
        try {
            zapis("odmitnuto " + tiled.mapFormat("vinula").write(mapa, mapa.fileName));
        } catch (e) {
            zapis("odmitnuto " + e.message);
        }
    }
});
JS
# Two rooms, each with the vinula at (0, 0) (record byte 50) and food 100 at
# (1, 0) (byte 70).
mistnost() { printf '%-50s\001' "$1"; head -c 19 /dev/zero; printf '\144'; head -c 579 /dev/zero; }
{ mistnost Prvni; mistnost Druha; } >"$prace/HRA.DAT"
{ mistnost Nova2; mistnost Druha; } >"$prace/cekany"

tiled --new-instance "$prace/HRA.DAT" >/dev/null 2>&1 &
tiled=$!
for _ in $(seq 300); do
    grep -q '^odmitnuto' "$prace/log" 2>/dev/null && break
    sleep 0.1
done
fail=0
[ "$(head -n 1 "$prace/log" 2>/dev/null)" = "vrstvy Prvni*,Druha" ] ||
    { echo "the layers are not the rooms, room 1 on top and alone shown:"; cat "$prace/log"; fail=1; }
grep -qxF "odmitnuto vinula-mistnosti: $prace/HRA.DAT: místnost 2 (vrstva „$(printf 'x%.0s' $(seq 40))…“): název místnosti má 51 znaků, vejde se nejvýš 50; soubor zůstal, jak byl" "$prace/log" ||
    { echo "a refused save does not say the tool's reason:"; cat "$prace/log"; fail=1; }
cmp -s "$prace/cekany" "$prace/HRA.DAT" ||
    { echo "the two saves did not both land:"; cat "$prace/log"; od -c "$prace/HRA.DAT" | head -4; fail=1; }
[ $fail -eq 0 ] && echo "tiled_gui: HRA.DAT opens as its rooms and saves twice in a row"
exit $fail
