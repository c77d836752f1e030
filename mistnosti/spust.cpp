#include "napoveda.h"
#include "prikazy.h"

namespace vinula::mistnosti {

int spust(const QStringList &argumenty, const Kanaly &kanaly) {
    QString duvod;
    const auto prikaz = rozeberArgumenty(argumenty, &duvod);
    if (!prikaz) {
        // Which sub-command's help to point at, when the first word names one.
        const Podprikaz *podprikaz = nullptr;
        if (!argumenty.isEmpty())
            if (const auto jen =
                    rozeberArgumenty({argumenty[0], QStringLiteral("--help")}, nullptr))
                podprikaz = jen->podprikaz;
        kanaly.chyby << "vinula-mistnosti: " << duvod << '\n' << odkazNaNapovedu(podprikaz) << '\n';
        return chybnyVstup;
    }
    if (prikaz->napoveda) {
        kanaly.ven << napoveda(prikaz->podprikaz);
        return uspech;
    }
    if (prikaz->podprikaz)
        return prikaz->podprikaz->spust(*prikaz, kanaly);
    if (prikaz->verze) {
        kanaly.ven << verze() << '\n';
        return uspech;
    }
    kanaly.chyby << "vinula-mistnosti: chybí příkaz\n" << odkazNaNapovedu(nullptr) << '\n';
    return chybnyVstup;
}

} // namespace vinula::mistnosti
