// Tiled's map format "Místnosti Vinuly": room files (*.DAT) open and save in
// Tiled. The room format, the check, the lock and the messages are
// vinula-mistnosti's; this file only runs it and hands Tiled its answers.

var nastroj = "vinula-mistnosti";

// Runs the tool: its standard output, or an Error with its message.
function spust(argumenty) {
    var proces = new Process();
    try {
        proces.exec(nastroj, argumenty);
    } catch (e) {
        // Tiled puts the program's standard error into the message.
        var zprava = String(e.message || e);
        var chyby = /The standard error output was:\n([\s\S]*?)(\nThe standard output was:|$)/
            .exec(zprava);
        throw new Error(chyby && chyby[1].trim() ? chyby[1].trim()
            : "Program " + nastroj + " se nepodařilo spustit: " + zprava);
    }
    return proces.readStdOut().trim();
}

tiled.registerMapFormat("vinula", {
    name: "Místnosti Vinuly",
    extension: "DAT",

    read: function (soubor) {
        var mapa = spust(["tiled-otevri", soubor]);
        try {
            return tiled.mapFormat("tmx").read(mapa);
        } finally {
            File.remove(mapa);
        }
    },

    write: function (mapa, soubor) {
        // Beside the room file, which is replaced from its folder anyway.
        var docasna = soubor + "." + Math.floor(Math.random() * 1e9) + ".vinula.tmx";
        var chyba = tiled.mapFormat("tmx").write(mapa, docasna);
        if (chyba) {
            File.remove(docasna);
            return chyba;
        }
        var ven;
        try {
            ven = spust(["tiled-uloz", docasna, soubor]);
        } catch (e) {
            return e.message;
        } finally {
            File.remove(docasna);
        }
        // The next save compares the file with what this one wrote.
        var otisk = /otisk (\S+)$/.exec(ven);
        if (otisk)
            mapa.setProperty("otisk", otisk[1]);
        return undefined;
    },
});
