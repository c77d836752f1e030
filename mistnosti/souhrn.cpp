#include "souhrn.h"

#include "dialogs/kontrola.h"
#include "items/katalog.h"
#include "room/roomfile.h"
#include "slova.h"

namespace vinula::mistnosti {

Souhrn shrn(qint64 cislo, QByteArrayView zaznam) {
    Souhrn s;
    s.cislo = cislo;
    s.nazev = nazevBezMezer(zaznam);

    Mistnost mistnost;
    roomfile::bunkyZaznamu(zaznam, mistnost);
    const kontrola::Pocty pocty = kontrola::spocitej(mistnost);
    s.vinuly = pocty.vinuly;
    s.jidla = pocty.jidla;
    s.chyba = kontrola::chyba(pocty);
    bool vinulaNalezena = false;
    for (int x = 0; x < Mistnost::sirka; ++x) {
        for (int y = 0; y < Mistnost::vyska; ++y) {
            const int kod = mistnost.bunka(x, y);
            if (katalog::jeZed(kod))
                ++s.zdi;
            if (katalog::jeVinula(kod) && !vinulaNalezena) {
                vinulaNalezena = true;
                s.vinula = {x, y};
            }
            if (!katalog::jePredmet(kod) && s.cizich++ == 0) {
                s.prvniCizi = {x, y};
                s.ciziKod = kod;
            }
        }
    }
    return s;
}

QString nazevBezMezer(QByteArrayView zaznam) {
    QString nazev = roomfile::nazevZaznamu(zaznam);
    qsizetype konec = nazev.size();
    while (konec > 0 && nazev[konec - 1] == u' ')
        --konec;
    nazev.truncate(konec);
    return nazev;
}

QString kdeJeVinula(const Souhrn &souhrn) {
    if (souhrn.vinuly == 1)
        return QStringLiteral("vinula (%1, %2)").arg(souhrn.vinula.x()).arg(souhrn.vinula.y());
    if (souhrn.vinuly == 0)
        return QStringLiteral("vinula chybí");
    return pocetSlovy(souhrn.vinuly, "vinula", "vinuly", "vinul");
}

} // namespace vinula::mistnosti
