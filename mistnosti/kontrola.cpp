#include "prikazy.h"

#include "slova.h"
#include "souhrn.h"
#include "zdroj.h"

namespace vinula::mistnosti {

namespace {

QString kteraMistnost(const Souhrn &s) {
    if (s.nazev.isEmpty())
        return QStringLiteral("místnost %1").arg(s.cislo);
    return QStringLiteral("místnost %1 %2").arg(s.cislo).arg(vUvozovkach(s.nazev));
}

} // namespace

int kontrola(const Prikaz &prikaz, const Kanaly &kanaly) {
    int vysledek = uspech;
    for (const QString &zadana : prikaz.zbytek) {
        const QString cesta = proUzivatele(zadana);
        Zdroj zdroj(zadana);
        QString duvod;
        if (!zdroj.otevri(&duvod)) {
            ohlas(kanaly, cesta, duvod);
            vysledek = chybnyVstup;
            continue;
        }
        if (zdroj.navic() != 0) {
            ohlas(kanaly, cesta, zdroj.necelaDelka());
            vysledek = chybnyVstup;
        }
        qint64 chybnych = 0;
        const bool precteno = zdroj.projdi(
            [&](qint64 cislo, QByteArrayView zaznam) {
                const Souhrn s = shrn(cislo, zaznam);
                if (!s.chyba.isEmpty())
                    kanaly.ven << cesta << ": " << kteraMistnost(s) << ": " << s.chyba << '\n';
                if (s.cizich > 0)
                    kanaly.ven << cesta << ": " << kteraMistnost(s) << ": "
                               << pocetSlovy(s.cizich, "buňka", "buňky", "buněk")
                               << " s kódem mimo katalog, první kód " << s.ciziKod << " v ("
                               << s.prvniCizi.x() << ", " << s.prvniCizi.y() << ")\n";
                if (!s.chyba.isEmpty() || s.cizich > 0)
                    ++chybnych;
                return true;
            },
            &duvod);
        if (!precteno) {
            ohlas(kanaly, cesta, duvod);
            vysledek = chybnyVstup;
            continue;
        }
        kanaly.ven << cesta << ": ";
        if (zdroj.pocet() == 0)
            kanaly.ven << "žádná místnost\n";
        else if (chybnych == 0)
            kanaly.ven << mistnosti(zdroj.pocet()) << " v pořádku\n";
        else
            kanaly.ven << mistnosti(zdroj.pocet()) << ", z toho chybných " << chybnych << '\n';
        if (chybnych > 0 && vysledek == uspech)
            vysledek = chybnaMistnost;
    }
    return vysledek;
}

} // namespace vinula::mistnosti
