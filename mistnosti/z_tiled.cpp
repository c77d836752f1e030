#include "napoveda.h"
#include "prikazy.h"
#include "zapis.h"

#include "room/roomfile.h"
#include "tiled_cteni.h"

namespace vinula::mistnosti {

int zTiled(const Prikaz &prikaz, const Kanaly &kanaly) {
    // Every map is read before anything is written, and every faulty one is
    // reported, so that one run tells the designer all there is to fix.
    tiled::Ctenar ctenar;
    QByteArray mistnosti;
    mistnosti.reserve(prikaz.zbytek.size() * roomfile::delkaZaznamu);
    bool vsechny = true;
    for (const QString &mapa : prikaz.zbytek) {
        QString duvod;
        if (const auto zaznam = ctenar.mistnost(mapa, &duvod)) {
            mistnosti += *zaznam;
        } else {
            ohlas(kanaly, proUzivatele(mapa), duvod);
            vsechny = false;
        }
    }
    if (!vsechny) {
        ohlas(kanaly, proUzivatele(prikaz.vystup),
              prikaz.pripojit ? QStringLiteral("nic se nepřipojilo")
                              : QStringLiteral("výstupní soubor nevznikl"));
        return chybnyVstup;
    }
    return zapisMistnosti(
        prikaz, kanaly, prikaz.zbytek.size(),
        [&mistnosti](const Zapis &zapis, QString *) {
            return zapis(mistnosti) ? Kopie::hotovo : Kopie::chybaZapisu;
        },
        {}, prikaz.zbytek + ctenar.cteneSady());
}

QString napovedaZTiledu() {
    static const char *const text =
        R"(Použití: vinula-mistnosti z-tiled MAPA… -o NOVÝ.DAT [--pripojit]

Z každé MAPY editoru Tiled (TMX, nebo JSON .tmj/.json) udělá jednu
místnost, v daném pořadí, a zapíše je jako příkaz vyjmout. Mapa musí mít
30 × 20 dlaždic, pravoúhlou orientaci, jedinou vrstvu dlaždic (CSV, base64,
base64 se zlib nebo gzip, v JSON i pole čísel) a dlaždice jen ze sad, které
zapsal příkaz do-tiled (poznají se podle vlastností, ne podle jména souboru),
neotočené a nepřevrácené. Prázdná buňka je volná plocha. Název místnosti je
vlastnost mapy „nazev“, jinak jméno souboru mapy bez přípony; nejvýš 50
znaků ve Windows-1250. Místnost musí projít kontrolou editoru (právě jedna
vinula, aspoň jedno jídlo) a vinula musí stát na okraji plochy. Odmítne-li
se kterákoli mapa, vypíše se každá chybná s důvodem a nezapíše se nic.

Volby:
%1)";
    return QString::fromUtf8(text).arg(volbyZapisu());
}

} // namespace vinula::mistnosti
