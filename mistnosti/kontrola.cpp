#include "prikazy.h"

#include "slova.h"
#include "souhrn.h"
#include "zdroj.h"

namespace vinula::mistnosti {

namespace {

// "A.DAT: místnost 3 „Název“: " before each fault of a room.
void kteraMistnost(Kanal &ven, const QByteArray &cesta, const Souhrn &s) {
    ven << cesta << ": místnost " << s.cislo;
    if (!s.nazev.isEmpty()) {
        ven << " „";
        vypisNazev(ven, s.nazev);
        ven << "“";
    }
    ven << ": ";
}

// The faults of one room, one line each; false for a room that has none.
bool vypisChyby(Kanal &ven, const QByteArray &cesta, const Souhrn &s) {
    if (!s.chyba.isEmpty()) {
        kteraMistnost(ven, cesta, s);
        ven << s.chyba << '\n';
    }
    if (s.mimoOkraj) {
        kteraMistnost(ven, cesta, s);
        ven << "vinula v (" << s.vinula.x() << ", " << s.vinula.y() << ") není na okraji plochy\n";
    }
    if (s.cizich > 0) {
        kteraMistnost(ven, cesta, s);
        ven << pocetSlovy(s.cizich, "buňka", "buňky", "buněk")
            << " s kódem mimo katalog, první kód " << s.ciziKod << " v (" << s.prvniCizi.x() << ", "
            << s.prvniCizi.y() << ")\n";
    }
    return !s.hratelna() || s.cizich > 0;
}

} // namespace

int kontrola(const Prikaz &prikaz, const Kanaly &kanaly) {
    int vysledek = uspech;
    for (const QString &zadana : prikaz.zbytek) {
        const QString cesta = proUzivatele(zadana);
        const QByteArray cestaUtf8 = cesta.toUtf8();
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
                if (vypisChyby(kanaly.ven, cestaUtf8, shrn(cislo, zaznam)))
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

QString napovedaKontroly() {
    static const char *const text =
        R"(Použití: vinula-mistnosti kontrola SOUBOR…

Prověří každou místnost každého souboru: musí projít kontrolou editoru před
uložením (právě jedna vinula, aspoň jedno jídlo), mít vinulu na okraji plochy
a v ploše jen kódy předmětů z katalogu. Každou chybu místnosti vypíše na
řádek s důvodem, za každým souborem shrnutí.

Návratový kód: 0, když jsou všechny místnosti v pořádku; 1, když je některá
chybná; 2, když soubor chybí, nejde přečíst nebo jeho délka není násobkem
650 bajtů (jeho celé místnosti se přesto prověří), nebo když výsledek nejde
zapsat.

Volby:
  -h, --help       tato nápověda
)";
    return QString::fromUtf8(text);
}

} // namespace vinula::mistnosti
