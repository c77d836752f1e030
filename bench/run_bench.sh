#!/usr/bin/env bash
# Builds a release with the benchmarks, times the hot paths and the whole
# process, and prints each figure beside its budget.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-bench
cmake -S . -B $dir -DCMAKE_BUILD_TYPE=Release -DVINULA_BENCH=ON -DVINULA_TESTS=OFF >/dev/null
cmake --build $dir -j "${JOBS:-2}" --target bench_vinula bare_window vinula-editor vinula-mistnosti >/dev/null

out=$(mktemp)
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen $dir/bin/bench_vinula >"$out" 2>&1 || { cat "$out"; exit 1; }

# Budget of each figure in milliseconds: the tick is 20 ms; vinula-mistnosti
# has its own budgets of one and two seconds.
awk '
BEGIN {
    limit["tikNecinny"] = 2;              what["tikNecinny"] = "idle tick"
    limit["tikMalovaniSMrizkou"] = 2;     what["tikMalovaniSMrizkou"] = "painting tick, grid on"
    limit["prekreslitPlnouMistnost"] = 2; what["prekreslitPlnouMistnost"] = "full redraw, 600 items"
    limit["mrizkaZapnoutAVypnout"] = 2;   what["mrizkaZapnoutAVypnout"] = "grid on and off"
    limit["souborPocetMistnosti"] = 1;    what["souborPocetMistnosti"] = "count rooms, 100,000-room file"
    limit["souborNazevMistnosti"] = 1;    what["souborNazevMistnosti"] = "read a name, 100,000-room file"
    limit["souborNactiMistnost"] = 1;     what["souborNactiMistnost"] = "load a room, 100,000-room file"
    limit["souborPripojMistnost"] = 20;   what["souborPripojMistnost"] = "append a room, synced to the disk"
    limit["rozmistit600"] = 2;            what["rozmistit600"] = "place 600 items, touching allowed"
    limit["rozmistitNemozne"] = 20;       what["rozmistitNemozne"] = "place 1,000,000 items, no touching"
    limit["seznam10000"] = 100;           what["seznam10000"] = "list a folder of 10,000 files"
    limit["mistnosti_seznam"] = 1000;         what["mistnosti_seznam"] = "mistnosti seznam, 100,000 rooms"
    limit["mistnosti_seznamJson"] = 1000;     what["mistnosti_seznamJson"] = "mistnosti seznam --json, 100,000"
    limit["mistnosti_kontrola"] = 1000;       what["mistnosti_kontrola"] = "mistnosti kontrola, 100,000 rooms"
    limit["mistnosti_seznamProces"] = 1000;   what["mistnosti_seznamProces"] = "  the same as a process: seznam"
    limit["mistnosti_kontrolaProces"] = 1000; what["mistnosti_kontrolaProces"] = "  the same as a process: kontrola"
    what["mistnosti_md5sum"] = "  md5sum of the same file"
    limit["mistnostiVyjmoutPozpatku"] = 2000; what["mistnostiVyjmoutPozpatku"] = "mistnosti vyjmout 100000-1"
    limit["mistnostiArch100"] = 2000;         what["mistnostiArch100"] = "mistnosti obrazek, sheet of 100"
    limit["mistnostiDoTiled1000"] = 1000;     what["mistnostiDoTiled1000"] = "mistnosti do-tiled, 1,000 rooms"
    limit["mistnostiZTiled1000"] = 1000;      what["mistnostiZTiled1000"] = "mistnosti z-tiled, 1,000 maps"
    limit["tiledRozsireni1000_otevrit"] = 2000; what["tiledRozsireni1000_otevrit"] = "Tiled opens 1,000 rooms (extension)"
    limit["tiledRozsireni1000_ulozit"] = 2000;  what["tiledRozsireni1000_ulozit"] = "Tiled saves 1,000 rooms (extension)"
    printf "%-36s %14s %12s   %s\n", "figure", "ms per run", "budget", "tick = 20 ms"
    failed = 0
}
# "RESULT : Bench::name():" or, for a row of a table, "Bench::name():"row":",
# which becomes name_row.
/^RESULT : / {
    name = $3; sub(/^[^:]*::/, "", name); sub(/\(\):"/, "_", name); sub(/"?:$/, "", name)
    sub(/\(\)$/, "", name); next
}
/msecs per iteration/ && name != "" {
    ms = $1 + 0
    ok = (name in limit) ? ms < limit[name] : 1
    if (!ok) failed = 1
    printf "%-36s %14.5f %9s ms   %s\n", (name in what) ? what[name] : name, ms,
           (name in limit) ? "< " limit[name] : "-", ok ? "ok" : "OVER"
    took[name] = ms
    name = ""
}
/^FAIL!/ { print; failed = 1 }
# vinula-mistnosti against md5sum of the same file, both as processes:
# at most as long.
END {
    if ("mistnosti_md5sum" in took && took["mistnosti_md5sum"] > 0) {
        split("seznam kontrola", prikazy, " ")
        for (i = 1; i <= 2; ++i) {
            ratio = took["mistnosti_" prikazy[i] "Proces"] / took["mistnosti_md5sum"]
            if (ratio > 1) failed = 1
            printf "%-36s %14.2f %12s   %s\n", "  " prikazy[i] " / md5sum, time ratio", ratio,
                   "<= 1", ratio <= 1 ? "ok" : "OVER"
        }
    }
    exit failed
}
' "$out"

echo
bench/process.sh $dir/bin/vinula-editor $dir/bin/bare_window
