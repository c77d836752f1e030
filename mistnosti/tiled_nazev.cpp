#include "tiled_nazev.h"

#include "room/cp1250.h"
#include "room/roomfile.h"
#include "tiled_obsah.h"

namespace vinula::mistnosti::tiled {

QString ridiciZnakNazvu(QStringView nazev) {
    for (const QChar znak : nazev)
        if (znak.unicode() < 0x20 && znak != u'\t' && znak != u'\n' && znak != u'\r')
            return QStringLiteral("název místnosti obsahuje řídicí znak %1, který mapa Tiledu "
                                  "(XML) neunese")
                .arg(znak.unicode());
    return {};
}

QString chybaNazvu(const QString &nazev) {
    if (const QString ridici = ridiciZnakNazvu(nazev); !ridici.isEmpty())
        return ridici;
    for (const QChar znak : nazev)
        if (cp1250::naBajt(znak) == '?' && znak != u'?')
            return QStringLiteral("název místnosti obsahuje znak %1, který Windows-1250 nezná")
                .arg(citace(QString(znak)));
    if (nazev.size() > roomfile::delkaNazvu)
        return QStringLiteral("název místnosti má %1 znaků, vejde se nejvýš 50").arg(nazev.size());
    return {};
}

} // namespace vinula::mistnosti::tiled
