#include "prikazy.h"

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
    return zapisMistnosti(prikaz, kanaly, prikaz.zbytek.size(),
                          [&mistnosti](const Zapis &zapis, QString *) {
                              return zapis(mistnosti) ? Kopie::hotovo : Kopie::chybaZapisu;
                          },
                          {});
}

} // namespace vinula::mistnosti
