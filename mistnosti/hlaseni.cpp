#include "hlaseni.h"

#include "slova.h"

#include <QDir>

namespace vinula::mistnosti {

void ohlas(const Kanaly &kanaly, const QString &kde, const QString &duvod) {
    kanaly.ven.flush();
    kanaly.chyby << "vinula-mistnosti: ";
    // An empty argument has no name to show; the reason says so.
    if (!kde.isEmpty())
        kanaly.chyby << kde << ": ";
    kanaly.chyby << duvod << '\n';
    kanaly.chyby.flush();
}

void ohlasZapsane(const Kanaly &kanaly, const QString &radek) {
    kanaly.ven << radek << '\n';
    kanaly.ven.zapsano(radek);
}

QString proUzivatele(const QString &cesta) {
    return naRadek(QDir::toNativeSeparators(cesta));
}

int dokonci(int vysledek, const Kanaly &kanaly) {
    if (!kanaly.ven.flush()) {
        const QString proc = QStringLiteral("zápis se nezdařil, ") + kanaly.ven.chyba();
        const QStringList zapsane = kanaly.ven.zapsane();
        if (zapsane.isEmpty()) {
            ohlas(kanaly, QStringLiteral("standardní výstup"), proc);
            vysledek = chybnyVstup;
        } else {
            ohlas(kanaly, QStringLiteral("standardní výstup"),
                  proc + QStringLiteral("; soubory se přesto zapsaly:"));
            for (const QString &radek : zapsane)
                ohlas(kanaly, {}, radek);
            vysledek = zapsanoBezHlaseni;
        }
    }
    kanaly.chyby.flush();
    return vysledek;
}

} // namespace vinula::mistnosti
