#include "prikazy.h"

#include "cisla.h"
#include "napoveda.h"
#include "room/roomfile.h"
#include "slova.h"
#include "zapis.h"
#include "zdroj.h"

namespace vinula::mistnosti {

namespace {

// Copies the rooms into `zapis` in blocks of about 650 kB, so that memory
// does not grow with the list. A failed read says why in *duvodCteni.
Kopie zkopiruj(Zdroj &zdroj, const QList<Usek> &useky, const Zapis &zapis, QString *duvodCteni) {
    constexpr qsizetype davka = 1000 * roomfile::delkaZaznamu;
    QByteArray data;
    data.reserve(davka);
    bool zapsano = true;
    const auto prijmi = [&](qint64, QByteArrayView zaznam) {
        data.append(zaznam);
        if (data.size() < davka)
            return true;
        zapsano = zapis(data);
        data.clear();
        return zapsano;
    };
    for (const Usek &usek : useky)
        if (!zdroj.projdi(usek, prijmi, duvodCteni))
            return zapsano ? Kopie::chybaCteni : Kopie::chybaZapisu;
    if (!data.isEmpty() && !zapis(data))
        return Kopie::chybaZapisu;
    return Kopie::hotovo;
}

} // namespace

int vyjmout(const Prikaz &prikaz, const Kanaly &kanaly) {
    const QString &zadana = prikaz.zbytek[0];
    const QString cesta = proUzivatele(zadana);
    Zdroj zdroj(zadana);
    QString duvod;
    if (!zdroj.otevriCely(&duvod)) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }
    const auto useky = rozeberCisla(prikaz.zbytek[1], zdroj.pocet(), &duvod);
    if (!useky) {
        ohlas(kanaly, cesta, duvod);
        return chybnyVstup;
    }
    qint64 pocet = 0;
    for (const Usek &usek : *useky)
        pocet += usek.delka();
    return zapisMistnosti(prikaz, kanaly, pocet,
                          [&](const Zapis &zapis, QString *duvodCteni) {
                              return zkopiruj(zdroj, *useky, zapis, duvodCteni);
                          },
                          cesta, {zadana});
}

QString napovedaVyjmuti() {
    static const char *const text =
        R"(Použití: vinula-mistnosti vyjmout SOUBOR ČÍSLA -o NOVÝ.DAT [--pripojit]

Zkopíruje místnosti SOUBORU jmenované ČÍSLY bajt po bajtu do nového souboru
místností, v daném pořadí. Tak lze místnosti přeskládat, vynechat, zdvojit
nebo spojit dva soubory. Zdrojový soubor se nezmění.

ČÍSLA jsou čísla místností od 1 a úseky od-do oddělené čárkami, bez mezer,
např. 3,1,5-7: místnosti 3, 1, 5, 6 a 7. Úsek 9-7 jde pozpátku (9, 8, 7),
čísla se smějí opakovat. Prázdná položka, znaménko, neúplný úsek („3-“) nebo
číslo mimo místnosti souboru odmítne celý seznam. Seznam smí jmenovat
nejvýš %1.

Volby:
%2)";
    return QString::fromUtf8(text).arg(mistnosti(nejviceVSeznamu), volbyZapisu());
}

} // namespace vinula::mistnosti
