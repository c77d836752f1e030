#include "kontrola.h"

#include "items/katalog.h"

namespace vinula::kontrola {

Pocty spocitej(const Mistnost &mistnost) {
    Pocty pocty;
    for (int x = 0; x < Mistnost::sirka; ++x) {
        for (int y = 0; y < Mistnost::vyska; ++y) {
            const int kod = mistnost.bunka(x, y);
            if (katalog::jeVinula(kod))
                ++pocty.vinuly;
            if (katalog::jeJidlo(kod))
                ++pocty.jidla;
        }
    }
    return pocty;
}

QString chyba(const Pocty &pocty) {
    // Later tests overrule earlier ones, so the vinula wins over the food.
    QString zprava;
    if (pocty.jidla == 0)
        zprava = QStringLiteral("Nebylo definováno žádné jídlo!");
    if (pocty.vinuly > 1)
        zprava = QStringLiteral("Nadefinována více než jedna vinula!");
    if (pocty.vinuly == 0)
        zprava = QStringLiteral("Nenadefinována žádná vinula!");
    return zprava;
}

} // namespace vinula::kontrola
