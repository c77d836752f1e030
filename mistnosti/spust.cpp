#include "napoveda.h"
#include "prikazy.h"

namespace vinula::mistnosti {

int spust(const QStringList &argumenty, const Kanaly &kanaly) {
    QString duvod;
    const auto prikaz = rozeberArgumenty(argumenty, &duvod);
    if (!prikaz) {
        // Which sub-command's help to point at, when the first word names one.
        Druh druh = Druh::zadny;
        if (!argumenty.isEmpty())
            if (const auto jen =
                    rozeberArgumenty({argumenty[0], QStringLiteral("--help")}, nullptr))
                druh = jen->druh;
        kanaly.chyby << "vinula-mistnosti: " << duvod << '\n' << odkazNaNapovedu(druh) << '\n';
        return chybnyVstup;
    }
    if (prikaz->napoveda) {
        kanaly.ven << napoveda(prikaz->druh);
        return uspech;
    }
    switch (prikaz->druh) {
    case Druh::zadny:
        if (prikaz->verze) {
            kanaly.ven << verze() << '\n';
            return uspech;
        }
        kanaly.chyby << "vinula-mistnosti: chybí příkaz\n" << odkazNaNapovedu(Druh::zadny) << '\n';
        return chybnyVstup;
    case Druh::seznam:
        return seznam(*prikaz, kanaly);
    case Druh::kontrola:
        return kontrola(*prikaz, kanaly);
    case Druh::obrazek:
        return obrazek(*prikaz, kanaly);
    case Druh::vyjmout:
        return vyjmout(*prikaz, kanaly);
    case Druh::doTiled:
        return doTiled(*prikaz, kanaly);
    case Druh::zTiled:
        return zTiled(*prikaz, kanaly);
    }
    return chybnyVstup;
}

int dokonci(int vysledek, const Kanaly &kanaly) {
    if (!kanaly.ven.flush()) {
        ohlas(kanaly, QStringLiteral("standardní výstup"),
              QStringLiteral("zápis se nezdařil, ") + kanaly.ven.chyba());
        vysledek = chybnyVstup;
    }
    kanaly.chyby.flush();
    return vysledek;
}

} // namespace vinula::mistnosti
